// The game systems' shorthands and their rules, each system in one entry of one table.
#include "engine/GameSystems.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "engine/NotationCharacters.h"
#include "engine/NumberText.h"

namespace kelvane::notation {

namespace {

struct Token {
    std::string text;  // lower case
    int column;
};

// A shorthand's words, each with its column, so that a refusal points at the word it could
// not read.
class Words {
  public:
    explicit Words(std::vector<Token> tokens, int end) : tokens_(std::move(tokens)), end_(end) {}

    [[nodiscard]] std::size_t Count() const noexcept { return tokens_.size(); }
    [[nodiscard]] const std::string& Text(std::size_t i) const { return tokens_[i].text; }
    // Where the i-th word stands, or the end of the text past the last.
    [[nodiscard]] int Column(std::size_t i) const {
        return i < tokens_.size() ? tokens_[i].column : end_;
    }

  private:
    std::vector<Token> tokens_;
    int end_;
};

// Digits alone, from low to high.
std::optional<std::int64_t> Number(std::string_view text, std::int64_t low, std::int64_t high) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    std::int64_t number = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return number >= low && number <= high ? std::optional(number) : std::nullopt;
}

// "", "+M" or "-M", from low to high.
std::optional<std::int64_t> Modifier(std::string_view text, std::int64_t low, std::int64_t high) {
    if (text.empty()) {
        return 0;
    }
    if (text.front() != '+' && text.front() != '-') {
        return std::nullopt;
    }
    const auto size = Number(text.substr(1), 0, -low > high ? -low : high);
    if (!size) {
        return std::nullopt;
    }
    const std::int64_t modifier = text.front() == '-' ? -*size : *size;
    return modifier >= low && modifier <= high ? std::optional(modifier) : std::nullopt;
}

void AppendModifier(std::string& text, std::int64_t modifier) {
    if (modifier > 0) {
        text.push_back('+');
    }
    if (modifier != 0) {
        AppendNumber(text, modifier);
    }
}

DiceTerm Dice(std::int64_t count, std::int64_t sides) {
    DiceTerm term;
    term.count = count;
    term.countWritten = true;
    term.sides = sides;
    return term;
}

// The terms added together, then the modifier.
Expression Sum(std::vector<DiceTerm> terms, std::int64_t modifier) {
    Expression expression;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        expression.postfix.push_back({NodeKind::Dice, static_cast<std::int64_t>(i), 1});
        if (i > 0) {
            expression.postfix.push_back({NodeKind::Add, 0, 1});
        }
    }
    if (modifier != 0) {
        expression.postfix.push_back({NodeKind::Number, modifier < 0 ? -modifier : modifier, 1});
        expression.postfix.push_back({modifier < 0 ? NodeKind::Subtract : NodeKind::Add, 0, 1});
    }
    expression.dice = std::move(terms);
    return expression;
}

Condition Result(std::int64_t low, std::int64_t high) { return {Measure::Result, low, high, 0}; }
Condition Shown(std::int64_t face, std::int64_t atLeast) {
    return {Measure::FacesShown, atLeast, kNoLimit, face};
}
Condition Kept(std::int64_t low, std::int64_t high) { return {Measure::KeptFace, low, high, 0}; }

OutcomeRule Rule(const char* id, const char* name, std::vector<Condition> conditions = {},
                 std::optional<OutcomeCount> count = std::nullopt) {
    return {id, name, std::move(conditions), std::move(count)};
}

const OutcomeCount kHits{0, 1, "hit", "hits"};

// A system's entry reads the words after its name and gives its dice and outcomes, or the
// index of the word it could not read.
using Build =
    std::function<std::variant<Expression, std::size_t>(const Words&, std::string_view suffix)>;

struct GameSystem {
    const char* name;
    ErrorCode error;  // its sentence names the form and its ranges
    Build build;
};

const std::array<GameSystem, 8> kSystems{{
    // Powered by the Apocalypse: 2d6+M, M from -3 to +4.
    {"pbta", ErrorCode::PbtaForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto m = Modifier(suffix, -3, 4);
         if (!m || words.Count() != 1) {
             return std::size_t{m ? 1U : 0U};
         }
         Expression roll = Sum({Dice(2, 6)}, *m);
         roll.reading.rules = {Rule("strong_hit", "Strong hit", {Result(10, kNoLimit)}),
                               Rule("weak_hit", "Weak hit", {Result(7, 9)}),
                               Rule("miss", "Miss", {Result(kNoFloor, 6)})};
         AppendModifier(roll.reading.shorthand = "pbta", *m);
         return roll;
     }},
    // Blades in the Dark: N d6 from 0 to 10, the highest counts; 0 dice are 2d6, the lowest
    // counting, and cannot be critical.
    {"bitd", ErrorCode::BitdForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto n = words.Count() > 1 ? Number(words.Text(1), 0, 10) : std::nullopt;
         if (!suffix.empty() || !n || words.Count() != 2) {
             return std::size_t{suffix.empty() ? (n ? 2U : 1U) : 0U};
         }
         DiceTerm dice = Dice(*n == 0 ? 2 : *n, 6);
         dice.keepDrop = KeepDrop{true, *n != 0, 1};
         Expression roll = Sum({dice}, 0);
         if (*n != 0) {
             roll.reading.rules.push_back(Rule("critical", "Critical", {Shown(6, 2)}));
         }
         roll.reading.rules.push_back(Rule("success", "Success", {Result(6, 6)}));
         roll.reading.rules.push_back(Rule("partial", "Partial", {Result(4, 5)}));
         roll.reading.rules.push_back(Rule("failure", "Failure", {Result(kNoFloor, 3)}));
         roll.reading.shorthand = "bitd " + NumberText(*n);
         return roll;
     }},
    // Savage Worlds: the trait die dX! and the wild die d6!, the higher plus M (-10 to +10),
    // against T (1 to 20, 4 unless given). A raise for each full 4 above T.
    {"sw", ErrorCode::SwForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         if (!suffix.empty() || words.Count() < 2 || words.Count() > 3) {
             return std::size_t{suffix.empty() ? words.Count() < 2 ? 1U : 3U : 0U};
         }
         const std::string& trait = words.Text(1);
         const std::size_t sign = trait.find_first_of("+-");
         // 0 for no die: the sides are 4 to 12 and even.
         const std::int64_t sides =
             trait.starts_with('d') ? Number(trait.substr(1, sign - 1), 4, 12).value_or(0) : 0;
         const auto m = Modifier(sign == std::string::npos ? "" : trait.substr(sign), -10, 10);
         if (sides == 0 || sides % 2 != 0 || !m) {
             return std::size_t{1};
         }
         std::int64_t target = 4;
         if (words.Count() == 3) {
             const auto tn = words.Text(2).starts_with("tn")
                                 ? Number(std::string_view(words.Text(2)).substr(2), 1, 20)
                                 : std::nullopt;
             if (!tn) {
                 return std::size_t{2};
             }
             target = *tn;
         }
         DiceTerm traitDie = Dice(1, sides);
         traitDie.explode = ComparePoint{Compare::Equal, sides};
         DiceTerm wildDie = Dice(1, 6);
         wildDie.explode = ComparePoint{Compare::Equal, 6};
         Expression roll = Sum({traitDie, wildDie}, 0);
         roll.reading.result = ResultRule::HigherTermPlus;
         roll.reading.add = *m;
         roll.reading.rules = {Rule("critical_failure", "Critical failure", {Shown(1, 2)}),
                               Rule("failure", "Failure", {Result(kNoFloor, target - 1)}),
                               Rule("success", "Success", {Result(target, target + 3)}),
                               Rule("raise", "Raise", {Result(target + 4, kNoLimit)},
                                    OutcomeCount{target, 4, "raise", "raises"})};
         std::string& text = roll.reading.shorthand = "sw d" + NumberText(sides);
         AppendModifier(text, *m);
         if (target != 4) {
             text.append(" tn").append(NumberText(target));
         }
         return roll;
     }},
    // Call of Cthulhu 7th edition: d100 under S (1 to 100) from a units die and tens dice,
    // one more for each bonus or penalty die; the percentile rule lies outside the notation.
    {"coc", ErrorCode::CocForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto s = words.Count() > 1 ? Number(words.Text(1), 1, 100) : std::nullopt;
         if (!suffix.empty() || !s || words.Count() > 3) {
             return std::size_t{suffix.empty() ? (s ? 3U : 1U) : 0U};
         }
         std::int64_t extra = 0;
         std::int64_t keep = 0;
         if (words.Count() == 3) {
             const std::string& die = words.Text(2);
             if (die.size() != 2 || (die[0] != 'b' && die[0] != 'p') ||
                 (die[1] != '1' && die[1] != '2')) {
                 return std::size_t{2};
             }
             extra = die[1] - '0';
             keep = die[0] == 'b' ? -1 : 1;
         }
         Expression roll = Sum({Dice(1, 10), Dice(1 + extra, 10)}, 0);
         roll.reading.result = ResultRule::Percentile;
         roll.reading.lowerIsBetter = true;
         roll.reading.add = keep;
         roll.reading.rules = {
             Rule("critical", "Critical", {Result(1, 1)}),
             Rule("fumble", "Fumble", {Result(*s < 50 ? 96 : 100, kNoLimit)}),
             Rule("extreme_success", "Extreme success", {Result(kNoFloor, *s / 5)}),
             Rule("hard_success", "Hard success", {Result(kNoFloor, *s / 2)}),
             Rule("regular_success", "Regular success", {Result(kNoFloor, *s)}),
             Rule("failure", "Failure")};
         roll.reading.shorthand = "coc " + NumberText(*s);
         if (extra != 0) {
             roll.reading.shorthand.append(1, ' ').append(words.Text(2));
         }
         return roll;
     }},
    // Chronicles of Darkness: N d10 (0 to 30), 8 or more a success, 10-again; 0 dice throw
    // one chance die.
    {"cod", ErrorCode::CodForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto n = words.Count() > 1 ? Number(words.Text(1), 0, 30) : std::nullopt;
         if (!suffix.empty() || !n || words.Count() != 2) {
             return std::size_t{suffix.empty() ? (n ? 2U : 1U) : 0U};
         }
         DiceTerm dice = Dice(*n == 0 ? 1 : *n, 10);
         Expression roll;
         if (*n == 0) {
             roll = Sum({dice}, 0);
             roll.reading.rules = {Rule("success", "Success", {Result(10, 10)}),
                                   Rule("dramatic_failure", "Dramatic failure", {Result(1, 1)}),
                                   Rule("failure", "Failure")};
         } else {
             dice.explode = ComparePoint{Compare::Equal, 10};
             dice.success = ComparePoint{Compare::GreaterOrEqual, 8};
             roll = Sum({dice}, 0);
             roll.reading.rules = {
                 Rule("failure", "Failure", {Result(kNoFloor, 0)}),
                 Rule("success", "Success", {Result(1, 4)}),
                 Rule("exceptional_success", "Exceptional success", {Result(5, kNoLimit)})};
         }
         roll.reading.shorthand = "cod " + NumberText(*n);
         return roll;
     }},
    // Shadowrun 5th edition: N d6 (1 to 50), 5 or 6 a hit; a glitch when more than half the
    // dice show 1.
    {"sr", ErrorCode::SrForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto n = words.Count() > 1 ? Number(words.Text(1), 1, 50) : std::nullopt;
         if (!suffix.empty() || !n || words.Count() != 2) {
             return std::size_t{suffix.empty() ? (n ? 2U : 1U) : 0U};
         }
         DiceTerm dice = Dice(*n, 6);
         dice.success = ComparePoint{Compare::GreaterOrEqual, 5};
         Expression roll = Sum({dice}, 0);
         const Condition glitch = Shown(1, *n / 2 + 1);
         roll.reading.rules = {
             Rule("critical_glitch", "Critical glitch", {glitch, Result(kNoFloor, 0)}),
             Rule("glitch", "Glitch", {glitch}, kHits),
             Rule("failure", "Failure", {Result(kNoFloor, 0)}),
             Rule("success", "Success", {}, kHits)};
         roll.reading.shorthand = "sr " + NumberText(*n);
         return roll;
     }},
    // Fate: 4dF+M, M from -5 to +8, on the ladder.
    {"fate", ErrorCode::FateForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto m = Modifier(suffix, -5, 8);
         if (!m || words.Count() != 1) {
             return std::size_t{m ? 1U : 0U};
         }
         DiceTerm dice = Dice(4, 3);
         dice.fate = true;
         Expression roll = Sum({dice}, *m);
         roll.reading.rules = {Rule("legendary", "Legendary", {Result(8, kNoLimit)}),
                               Rule("epic", "Epic", {Result(7, 7)}),
                               Rule("fantastic", "Fantastic", {Result(6, 6)}),
                               Rule("superb", "Superb", {Result(5, 5)}),
                               Rule("great", "Great", {Result(4, 4)}),
                               Rule("good", "Good", {Result(3, 3)}),
                               Rule("fair", "Fair", {Result(2, 2)}),
                               Rule("average", "Average", {Result(1, 1)}),
                               Rule("mediocre", "Mediocre", {Result(0, 0)}),
                               Rule("poor", "Poor", {Result(-1, -1)}),
                               Rule("terrible", "Terrible", {Result(kNoFloor, -2)})};
         AppendModifier(roll.reading.shorthand = "fate", *m);
         return roll;
     }},
    // D&D 5th edition: d20+M (-5 to +15), or 2d20 keeping the higher or lower, against a DC
    // or an AC from 1 to 40; only an attack reads the natural 20 and 1.
    {"dnd", ErrorCode::DndForm,
     [](const Words& words, std::string_view suffix) -> std::variant<Expression, std::size_t> {
         const auto m = Modifier(suffix, -5, 15);
         if (!m || words.Count() < 2 || words.Count() > 3) {
             return std::size_t{!m ? 0U : words.Count() < 2 ? 1U : 3U};
         }
         const std::string& against = words.Text(1);
         const bool attack = against.starts_with("ac");
         const auto target = attack || against.starts_with("dc")
                                 ? Number(std::string_view(against).substr(2), 1, 40)
                                 : std::nullopt;
         if (!target) {
             return std::size_t{1};
         }
         const std::string mode = words.Count() == 3 ? words.Text(2) : "";
         if (!mode.empty() && mode != "adv" && mode != "dis") {
             return std::size_t{2};
         }
         DiceTerm dice = Dice(mode.empty() ? 1 : 2, 20);
         if (!mode.empty()) {
             dice.keepDrop = KeepDrop{true, mode == "adv", 1};
         }
         Expression roll = Sum({dice}, *m);
         if (attack) {
             roll.reading.rules = {Rule("critical_hit", "Critical hit", {Kept(20, 20)}),
                                   Rule("hit", "Hit", {Kept(2, 19), Result(*target, kNoLimit)}),
                                   Rule("miss", "Miss")};
         } else {
             roll.reading.rules = {Rule("success", "Success", {Result(*target, kNoLimit)}),
                                   Rule("failure", "Failure")};
         }
         std::string& text = roll.reading.shorthand = "dnd";
         AppendModifier(text, *m);
         text.append(1, ' ').append(against.substr(0, 2)).append(NumberText(*target));
         if (!mode.empty()) {
             text.append(1, ' ').append(mode);
         }
         return roll;
     }},
}};

// Words between blanks, lower case, each with its column in characters.
std::vector<Token> Tokens(std::string_view text, int& end) {
    std::vector<Token> tokens;
    int column = 0;
    bool inWord = false;
    for (const char c : text) {
        if (StartsCharacter(c) || column == 0) {
            ++column;
        }
        if (IsBlank(c)) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            tokens.push_back({"", column});
            inWord = true;
        }
        tokens.back().text.push_back(Lower(c));
    }
    end = column + 1;
    return tokens;
}

}  // namespace

std::optional<std::variant<Expression, Error>> ParseShorthand(std::string_view text) {
    int end = 1;
    std::vector<Token> tokens = Tokens(text, end);
    if (tokens.empty()) {
        return std::nullopt;
    }
    const std::string& first = tokens.front().text;
    const std::size_t letters = first.find_first_not_of("abcdefghijklmnopqrstuvwxyz");
    const std::string name = first.substr(0, letters);
    for (const GameSystem& system : kSystems) {
        if (name != system.name) {
            continue;
        }
        const std::string suffix = first.substr(name.size());
        const int suffixColumn = tokens.front().column + static_cast<int>(name.size());
        const Words words(std::move(tokens), end);
        auto built = system.build(words, suffix);
        if (const auto* word = std::get_if<std::size_t>(&built)) {
            return Error{system.error, *word == 0 ? suffixColumn : words.Column(*word)};
        }
        return std::move(std::get<Expression>(built));
    }
    return std::nullopt;
}

}  // namespace kelvane::notation
