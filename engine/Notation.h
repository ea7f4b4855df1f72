#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
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
inline constexpr std::size_t kMaxBandName = 40;  // characters
inline constexpr std::size_t kMaxBands = 12;

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
    ExpectedBand,      // a range and a name, or a name, should follow "?" or ";"
    BadBandRange,      // a band's range is not N, N-M with N <= M, N+ or N-
    ExpectedBandName,  // a band's range with no name after it
    BandNameTooLong,   // more than kMaxBandName characters
    TooManyBands,      // more than kMaxBands bands
    // A game system's shorthand outside its ranges or malformed, one code for each system.
    PbtaForm,
    BitdForm,
    SwForm,
    CocForm,
    CodForm,
    SrForm,
    FateForm,
    DndForm,
    // Groups of rolls in braces.
    ExpectedCloseBrace,    // the text ends inside a group
    UnmatchedCloseBrace,   // a "}" with no "{" before it
    GroupInGroup,          // a "{" inside a group
    GroupModifier,         // a modifier other than keep, drop or success counting after "}"
    GroupOfOneNotDice,     // a group of one roll holds more than terms of dice added with "+"
    ModifierInGroupOfOne,  // keep, drop or success counting on a term in a group of one roll
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

enum class NodeKind : std::uint8_t {
    Number,
    Dice,
    Negate,
    Add,
    Subtract,
    Multiply,
    Divide,
    Group,
};

// One node of an expression in postfix order: operands come before their operator, so that
// the expression is evaluated with a stack and no recursion, however deeply it nests.
struct Node {
    NodeKind kind = NodeKind::Number;
    // Number: its value; Dice: the index of its term in dice; Group: of its group in groups
    std::int64_t number = 0;
    int column = 1;  // where the number, the term or the operator stands

    friend bool operator==(const Node&, const Node&) = default;
};

// A group of rolls in braces, such as {d8!, d6!}kh1: its modifiers act on each roll's total.
// A group of one roll, such as {4d6+2d8}kh3, adds terms of dice, and its modifiers act on all
// their dice together. Groups do not nest.
struct Group {
    std::vector<std::vector<Node>> rolls;  // each roll in postfix order, over Expression::dice
    std::optional<KeepDrop> keepDrop;
    std::optional<ComparePoint> success;  // the group counts the rolls, or dice, that match
    std::optional<ComparePoint> failure;  // ... less those that match this
    int column = 1;                       // where the "{" stands

    [[nodiscard]] bool OfDice() const noexcept { return rolls.size() == 1; }
    friend bool operator==(const Group&, const Group&) = default;
};

// What an outcome's condition looks at in a roll.
enum class Measure : std::uint8_t {
    Result,      // the roll's result, as its Reading says
    FacesShown,  // how many dice show `face` on their first throw, every term's together
    KeptFace,    // the face of the first term's first die that stands
};

inline constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kNoFloor = std::numeric_limits<std::int64_t>::min();

// The measure falls from low to high.
struct Condition {
    Measure measure = Measure::Result;
    std::int64_t low = kNoFloor;
    std::int64_t high = kNoLimit;
    std::int64_t face = 0;  // FacesShown only

    friend bool operator==(const Condition&, const Condition&) = default;
};

// How many of something an outcome reports, such as hits or raises: (result - from) / per,
// rounded down.
struct OutcomeCount {
    std::int64_t from = 0;
    std::int64_t per = 1;
    std::string one;   // "hit"
    std::string many;  // "hits"

    friend bool operator==(const OutcomeCount&, const OutcomeCount&) = default;
};

// One outcome a roll can have: it names the roll when all its conditions hold (none: always).
struct OutcomeRule {
    std::string id;    // stable, such as "strong_hit"; empty for the player's own bands
    std::string name;  // in English, or the band's name as typed
    std::vector<Condition> conditions;
    std::optional<OutcomeCount> count;

    friend bool operator==(const OutcomeRule&, const OutcomeRule&) = default;
};

// Where a roll's result comes from: the notation's arithmetic cannot say the last two.
enum class ResultRule : std::uint8_t {
    Total,
    HigherTermPlus,  // the higher of the two terms' values, plus `add`
    Percentile,      // term 0 a units d10, term 1 tens d10s: 00 and 0 make 100, `add` is
                     // -1 to keep the lowest value of the tens dice, +1 the highest
};

struct Reading {
    std::string shorthand;  // a game system's shorthand in canonical form; empty for bands
    ResultRule result = ResultRule::Total;
    std::int64_t add = 0;
    std::vector<OutcomeRule> rules;  // the first that holds names the roll; in the order shown
    bool lowerIsBetter = false;      // a roll under a skill: the lower the result, the better

    friend bool operator==(const Reading&, const Reading&) = default;
};

struct Expression {
    std::vector<Node> postfix;
    std::vector<DiceTerm> dice;  // in the order they stand, those in groups too
    std::vector<Group> groups;
    std::string label;  // the text after "#", blanks at either end removed
    Reading reading;    // no rules: a roll without outcomes

    // The notation in one canonical form: lower case but for F, no blanks but after a group's
    // commas, "d%" as d100, the modifiers in the order they apply and the fewest parentheses,
    // then any bands as
    // " ? 10+ Strong hit; 6- Miss", without the label; a shorthand as its own canonical form.
    [[nodiscard]] std::string Normalised() const;
    // The canonical form without the bands.
    [[nodiscard]] std::string DiceNotation() const;
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

using TermText = std::function<std::string(std::size_t term)>;
// A group from its rolls as written; the canonical form's adds braces and the modifiers.
using GroupText = std::function<std::string(std::size_t group, std::vector<std::string> rolls)>;

// Writes the expression with the fewest parentheses, each term of dice as termText writes it
// and each group as groupText does (none: in canonical form).
[[nodiscard]] std::string Write(const Expression& expression, const TermText& termText,
                                const GroupText& groupText = nullptr);

// Reads dice notation; letters in any case, blanks anywhere.
[[nodiscard]] std::variant<Expression, Error> Parse(std::string_view text);

}  // namespace kelvane::notation
