#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane::notation {

inline constexpr std::int64_t kMaxDice = 1'000'000;
inline constexpr std::int64_t kMaxSides = 1'000'000'000;
inline constexpr int kMaxRethrowsPerDie = 1'000;
inline constexpr std::size_t kMaxTextLength = 1'000;

// Why a notation cannot be rolled. The window turns each into a sentence in the player's
// language; the column says where reading stopped.
enum class ErrorCode : std::uint8_t {
    Empty,                 // nothing but blanks
    TooLong,               // more than kMaxTextLength characters
    ExpectedOperand,       // a number, a die or "(" should come here
    ExpectedSides,         // a number of sides, "%" or "F" should follow "d"
    ExpectedOperator,      // an operator, a modifier or the end should come here
    ExpectedCloseParen,    // the text ends inside parentheses
    UnmatchedCloseParen,   // a ")" with no "(" before it
    ExpectedTarget,        // a number should follow a comparison
    ExpectedHighOrLow,     // "h" or "l" should follow the "d" that drops dice
    RepeatedModifier,      // the same kind of modifier twice on one term of dice
    FailureWithoutTarget,  // "f" on dice that count no successes
    NumberTooLarge,        // a number beyond 64 bits
    TooManyDice,           // more than kMaxDice dice in one roll
    SidesOutOfRange,       // sides outside 1 ... kMaxSides
    NeverStops,            // every face meets the compare point of "!" or "r"
    DivisionByZero,
    ResultOutOfRange,  // arithmetic beyond 64 bits
};

struct Error {
    ErrorCode code;
    int column;  // 1-based, in characters of the text as typed

    friend bool operator==(const Error&, const Error&) = default;
};

enum class Compare : std::uint8_t { Equal, Greater, GreaterOrEqual, Less, LessOrEqual };

struct ComparePoint {
    Compare compare = Compare::Equal;
    std::int64_t target = 0;

    [[nodiscard]] bool Matches(std::int64_t face) const noexcept;
    friend bool operator==(const ComparePoint&, const ComparePoint&) = default;
};

struct KeepDrop {
    bool keep = true;     // keep K dice, or drop K dice
    bool highest = true;  // of the highest, or of the lowest
    std::int64_t amount = 1;

    friend bool operator==(const KeepDrop&, const KeepDrop&) = default;
};

// One term of dice, such as 4d6dl1 or 10d10>=8f1, with its modifiers. Modifiers apply in one
// fixed order whatever order they were written in: reroll, explode, keep or drop, count.
struct DiceTerm {
    std::int64_t count = 1;               // 0 ... kMaxDice
    bool countWritten = false;            // "1d6" rather than "d6"
    bool fate = false;                    // faces -1, 0 and +1
    std::int64_t sides = 6;               // 1 ... kMaxSides; 3 for Fate dice
    std::optional<ComparePoint> reroll;   // rethrow while the face matches
    bool rerollOnce = false;              // "ro": rethrow at most once
    std::optional<ComparePoint> explode;  // a matching face throws one more die
    bool compound = false;                // "!!": the extra throws add into the one die
    std::optional<KeepDrop> keepDrop;
    std::optional<ComparePoint> success;  // the term counts dice that match
    std::optional<ComparePoint> failure;  // ... less the dice that match this
    int column = 1;                       // where the term begins

    [[nodiscard]] std::int64_t LowestFace() const noexcept { return fate ? -1 : 1; }
    [[nodiscard]] std::int64_t HighestFace() const noexcept { return fate ? 1 : sides; }
    friend bool operator==(const DiceTerm&, const DiceTerm&) = default;
};

enum class NodeKind : std::uint8_t { Number, Dice, Negate, Add, Subtract, Multiply, Divide };

// One node of an expression in postfix order: operands come before their operator, so that
// the expression is evaluated with a stack and no recursion, however deeply it nests.
struct Node {
    NodeKind kind = NodeKind::Number;
    std::int64_t number = 0;  // Number: its value; Dice: the index of its term in dice
    int column = 1;           // where the number, the term or the operator stands

    friend bool operator==(const Node&, const Node&) = default;
};

struct Expression {
    std::vector<Node> postfix;
    std::vector<DiceTerm> dice;
    std::string label;  // the text after "#", blanks at either end removed

    // The notation in one canonical form: lower case but for F, no blanks, "d%" as d100, the
    // modifiers in the order they apply and the fewest parentheses, without the label.
    [[nodiscard]] std::string Normalised() const;
    // The dice thrown before any explosion or reroll.
    [[nodiscard]] std::int64_t DiceBeforeRethrows() const noexcept;
};

// Division rounding toward minus infinity; the divisor is not 0, and not -1 below the least
// 64-bit value.
[[nodiscard]] std::int64_t FloorDivide(std::int64_t dividend, std::int64_t divisor) noexcept;

// One operation of the notation's arithmetic on two values (Add, Subtract, Multiply or
// Divide), or nothing where it leaves 64 bits or divides by zero.
[[nodiscard]] std::optional<std::int64_t> Apply(NodeKind kind, std::int64_t left,
                                                std::int64_t right) noexcept;

// Writes the expression with the fewest parentheses, each term of dice as termText writes it.
[[nodiscard]] std::string Write(const Expression& expression,
                                const std::function<std::string(std::size_t term)>& termText);

// Reads dice notation; letters in any case, blanks anywhere.
[[nodiscard]] std::variant<Expression, Error> Parse(std::string_view text);

}  // namespace kelvane::notation
