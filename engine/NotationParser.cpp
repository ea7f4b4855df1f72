#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/GameSystems.h"
#include "engine/Notation.h"
#include "engine/NotationBands.h"
#include "engine/NotationCharacters.h"
#include "engine/NotationWriter.h"
#include "engine/NumberText.h"
#include "engine/odds/Throws.h"

namespace kelvane::notation {

namespace {

bool EveryFaceMatches(const ComparePoint& point, std::int64_t lowest, std::int64_t highest) {
    switch (point.compare) {
        case Compare::Equal:
            return lowest == highest && lowest == point.target;
        case Compare::Greater:
            return lowest > point.target;
        case Compare::GreaterOrEqual:
            return lowest >= point.target;
        case Compare::Less:
            return highest < point.target;
        case Compare::LessOrEqual:
            return highest <= point.target;
    }
    return false;
}

// The notation without its blanks and its label, each character lower-cased and kept with the
// column it was typed in, so that errors point at the text as the player sees it.
class Reader {
  public:
    explicit Reader(std::string_view text) {
        int column = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            // A stray continuation byte at the start still stands in the first column.
            if (StartsCharacter(text[i]) || column == 0) {
                ++column;
            }
            if (text[i] == '#' || text[i] == '?') {
                end_ = column;
                rest_ = text.substr(i);
                return;
            }
            if (!IsBlank(text[i])) {
                characters_.push_back(text[i]);
                columns_.push_back(column);
            }
        }
        end_ = column + 1;
    }

    [[nodiscard]] bool AtEnd() const noexcept { return next_ == characters_.size(); }
    [[nodiscard]] bool Empty() const noexcept { return characters_.empty(); }
    [[nodiscard]] char Peek() const noexcept { return AtEnd() ? '\0' : Lower(characters_[next_]); }
    [[nodiscard]] int Column() const noexcept { return AtEnd() ? end_ : columns_[next_]; }
    char Take() noexcept { return Lower(characters_[next_++]); }
    bool TakeIf(char c) noexcept {
        if (Peek() != c) {
            return false;
        }
        ++next_;
        return true;
    }
    // The text from the "?" of the bands or the "#" of the label on, and its column.
    [[nodiscard]] std::string_view Rest() const noexcept { return rest_; }
    [[nodiscard]] int RestColumn() const noexcept { return end_; }

  private:
    std::vector<char> characters_;
    std::vector<int> columns_;
    std::size_t next_ = 0;
    int end_ = 1;
    std::string_view rest_;
};

class Parser {
  public:
    explicit Parser(std::string_view text) : reader_(text) {}

    std::variant<Expression, Error> Run() {
        if (reader_.Empty()) {
            return Error{ErrorCode::Empty, 1};
        }
        if (!ParseExpression()) {
            return error_;
        }
        std::string_view rest = reader_.Rest();
        const std::size_t hash = rest.find('#');
        if (!rest.empty() && rest.front() == '?') {
            auto bands = ReadBands(rest.substr(1, hash - 1), reader_.RestColumn() + 1);
            if (const auto* error = std::get_if<Error>(&bands)) {
                return *error;
            }
            expression_.reading.rules = std::move(std::get<std::vector<OutcomeRule>>(bands));
        }
        if (!CheckCanonicalLength() || !CheckDiceLimit()) {
            return error_;
        }
        if (hash != std::string_view::npos) {
            expression_.label = Trim(rest.substr(hash + 1));
        }
        return std::move(expression_);
    }

  private:
    struct Pending {
        NodeKind kind;
        bool parenthesis;
        int column;
    };

    bool Fail(ErrorCode code, int column) {
        error_ = Error{code, column};
        return false;
    }

    // Shunting-yard: operators wait on a stack of their own instead of in nested calls. In a
    // group, a roll ends at its "," or "}", which the group takes.
    bool ParseExpression(bool inGroup = false) {
        std::vector<Pending> pending;
        bool expectOperand = true;
        while (!reader_.AtEnd()) {
            const int column = reader_.Column();
            const char c = reader_.Peek();
            if (expectOperand) {
                if (c == '(') {
                    reader_.Take();
                    pending.push_back({NodeKind::Add, true, column});
                } else if (c == '-') {
                    reader_.Take();
                    pending.push_back({NodeKind::Negate, false, column});
                } else if (c == '+') {
                    reader_.Take();
                } else if (c == '{') {
                    if (inGroup) {
                        return Fail(ErrorCode::GroupInGroup, column);
                    }
                    if (!ParseGroup()) {
                        return false;
                    }
                    expectOperand = false;
                } else if (IsDigit(c) || c == 'd') {
                    if (!ParseOperand()) {
                        return false;
                    }
                    expectOperand = false;
                } else {
                    return Fail(ErrorCode::ExpectedOperand, column);
                }
                continue;
            }
            if (inGroup && (c == ',' || c == '}')) {
                break;
            }
            if (c == '}') {
                return Fail(ErrorCode::UnmatchedCloseBrace, column);
            }
            if (c == ')') {
                reader_.Take();
                while (!pending.empty() && !pending.back().parenthesis) {
                    Emit(pending.back());
                    pending.pop_back();
                }
                if (pending.empty()) {
                    return Fail(ErrorCode::UnmatchedCloseParen, column);
                }
                pending.pop_back();
                continue;
            }
            const NodeKind kind = c == '+'   ? NodeKind::Add
                                  : c == '-' ? NodeKind::Subtract
                                  : c == '*' ? NodeKind::Multiply
                                  : c == '/' ? NodeKind::Divide
                                             : NodeKind::Number;
            if (kind == NodeKind::Number) {
                return Fail(ErrorCode::ExpectedOperator, column);
            }
            reader_.Take();
            // Every operator is left-associative; negation binds tighter than any of them.
            while (!pending.empty() && !pending.back().parenthesis &&
                   Precedence(pending.back().kind) >= Precedence(kind)) {
                Emit(pending.back());
                pending.pop_back();
            }
            pending.push_back({kind, false, column});
            expectOperand = true;
        }
        if (expectOperand) {
            return Fail(ErrorCode::ExpectedOperand, reader_.Column());
        }
        while (!pending.empty()) {
            if (pending.back().parenthesis) {
                return Fail(ErrorCode::ExpectedCloseParen, reader_.Column());
            }
            Emit(pending.back());
            pending.pop_back();
        }
        return true;
    }

    // A group: its rolls, each written into a postfix of its own, then its modifiers.
    bool ParseGroup() {
        Group group;
        group.column = reader_.Column();
        reader_.Take();
        for (;;) {
            out_ = &group.rolls.emplace_back();
            const bool read = ParseExpression(true);
            out_ = &expression_.postfix;
            if (!read) {
                return false;
            }
            if (reader_.AtEnd()) {
                return Fail(ErrorCode::ExpectedCloseBrace, reader_.Column());
            }
            if (reader_.Take() == '}') {
                break;
            }
        }
        if (!ParseGroupModifiers(group) || (group.OfDice() && !CheckGroupOfDice(group))) {
            return false;
        }
        out_->push_back(
            {NodeKind::Group, static_cast<std::int64_t>(expression_.groups.size()), group.column});
        expression_.groups.push_back(std::move(group));
        return true;
    }

    bool ParseGroupModifiers(Group& group) {
        for (;;) {
            const int column = reader_.Column();
            const char c = reader_.Peek();
            auto once = [&](bool given) {
                return given ? Fail(ErrorCode::RepeatedModifier, column) : true;
            };
            if (c == 'k' || c == 'd') {
                if (!once(group.keepDrop.has_value()) || !ParseKeepDrop(group.keepDrop)) {
                    return false;
                }
            } else if (c == '>' || c == '<' || c == '=') {
                if (!once(group.success.has_value()) ||
                    !ParseComparePoint(group.success, false, std::nullopt)) {
                    return false;
                }
            } else if (c == 'f') {
                reader_.Take();
                if (!once(group.failure.has_value()) ||
                    !ParseComparePoint(group.failure, true, std::nullopt)) {
                    return false;
                }
                failureColumn_ = column;
            } else if (c == 'r' || c == '!') {
                return Fail(ErrorCode::GroupModifier, column);
            } else {
                break;
            }
        }
        if (group.failure && !group.success) {
            return Fail(ErrorCode::FailureWithoutTarget, failureColumn_);
        }
        return true;
    }

    // A group of one roll keeps, drops or counts its dice itself: it holds terms of dice added
    // together, with no such modifiers of their own.
    bool CheckGroupOfDice(const Group& group) {
        for (const Node& node : group.rolls.front()) {
            if (node.kind != NodeKind::Dice && node.kind != NodeKind::Add) {
                return Fail(ErrorCode::GroupOfOneNotDice, node.column);
            }
            if (node.kind == NodeKind::Dice) {
                const DiceTerm& term = expression_.dice[static_cast<std::size_t>(node.number)];
                if (term.keepDrop || term.success) {
                    return Fail(ErrorCode::ModifierInGroupOfOne, term.column);
                }
            }
        }
        return true;
    }

    void Emit(const Pending& op) { out_->push_back({op.kind, 0, op.column}); }

    bool ReadNumber(std::int64_t& number) {
        const int column = reader_.Column();
        number = 0;
        while (IsDigit(reader_.Peek())) {
            const int digit = reader_.Take() - '0';
            if (number > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
                return Fail(ErrorCode::NumberTooLarge, column);
            }
            number = number * 10 + digit;
        }
        return true;
    }

    // A number, or a term of dice with its modifiers.
    bool ParseOperand() {
        const int column = reader_.Column();
        std::int64_t number = 1;
        const bool countWritten = IsDigit(reader_.Peek());
        if (countWritten && !ReadNumber(number)) {
            return false;
        }
        if (!reader_.TakeIf('d')) {
            out_->push_back({NodeKind::Number, number, column});
            return true;
        }
        DiceTerm term;
        term.count = number;
        term.countWritten = countWritten;
        term.column = column;
        if (!ParseSides(term) || !ParseModifiers(term) || !CheckTerm(term)) {
            return false;
        }
        typedWidths_.push_back(reader_.Column() - column);
        out_->push_back(
            {NodeKind::Dice, static_cast<std::int64_t>(expression_.dice.size()), column});
        expression_.dice.push_back(term);
        return true;
    }

    bool ParseSides(DiceTerm& term) {
        const int column = reader_.Column();
        if (reader_.TakeIf('%')) {
            term.sides = 100;
        } else if (reader_.TakeIf('f')) {
            term.fate = true;
            term.sides = 3;
        } else if (IsDigit(reader_.Peek())) {
            if (!ReadNumber(term.sides)) {
                return false;
            }
            if (term.sides < 1 || term.sides > kMaxSides) {
                return Fail(ErrorCode::SidesOutOfRange, column);
            }
        } else {
            return Fail(ErrorCode::ExpectedSides, column);
        }
        return true;
    }

    // A compare point: an operator and a target, or, where bareNumber allows it, digits alone
    // meaning "equal to"; without either, the fallback if there is one. A target after an
    // operator may have a sign, as Fate faces need.
    bool ParseComparePoint(std::optional<ComparePoint>& point, bool bareNumber,
                           std::optional<ComparePoint> fallback) {
        ComparePoint parsed;
        bool afterOperator = true;
        if (reader_.TakeIf('>')) {
            parsed.compare = reader_.TakeIf('=') ? Compare::GreaterOrEqual : Compare::Greater;
        } else if (reader_.TakeIf('<')) {
            parsed.compare = reader_.TakeIf('=') ? Compare::LessOrEqual : Compare::Less;
        } else if (reader_.TakeIf('=')) {
            parsed.compare = Compare::Equal;
        } else if (bareNumber && IsDigit(reader_.Peek())) {
            // A sign here would be read as the operator after the term.
            afterOperator = false;
        } else if (fallback) {
            point = fallback;
            return true;
        } else {
            return Fail(ErrorCode::ExpectedTarget, reader_.Column());
        }
        const bool negative = afterOperator && reader_.TakeIf('-');
        if (afterOperator && !negative) {
            reader_.TakeIf('+');
        }
        if (!IsDigit(reader_.Peek())) {
            return Fail(ErrorCode::ExpectedTarget, reader_.Column());
        }
        if (!ReadNumber(parsed.target)) {
            return false;
        }
        parsed.target = negative ? -parsed.target : parsed.target;
        point = parsed;
        return true;
    }

    // "k" or "d", then "h" or "l" and the amount: "k" alone keeps the highest one.
    bool ParseKeepDrop(std::optional<KeepDrop>& rule) {
        KeepDrop keepDrop;
        keepDrop.keep = reader_.Take() == 'k';
        if (reader_.TakeIf('l')) {
            keepDrop.highest = false;
        } else if (!reader_.TakeIf('h') && !keepDrop.keep) {
            return Fail(ErrorCode::ExpectedHighOrLow, reader_.Column());
        }
        if (IsDigit(reader_.Peek()) && !ReadNumber(keepDrop.amount)) {
            return false;
        }
        rule = keepDrop;
        return true;
    }

    bool ParseModifiers(DiceTerm& term) {
        for (;;) {
            const int column = reader_.Column();
            const char c = reader_.Peek();
            auto once = [&](bool given) {
                return given ? Fail(ErrorCode::RepeatedModifier, column) : true;
            };
            if (c == 'r') {
                reader_.Take();
                if (!once(term.reroll.has_value())) {
                    return false;
                }
                term.rerollOnce = reader_.TakeIf('o');
                if (!ParseComparePoint(term.reroll, true,
                                       ComparePoint{Compare::Equal, term.LowestFace()})) {
                    return false;
                }
                rerollColumn_ = column;
            } else if (c == '!') {
                reader_.Take();
                if (!once(term.explode.has_value())) {
                    return false;
                }
                term.compound = reader_.TakeIf('!');
                if (!ParseComparePoint(term.explode, true,
                                       ComparePoint{Compare::Equal, term.HighestFace()})) {
                    return false;
                }
                explodeColumn_ = column;
            } else if (c == 'k' || c == 'd') {
                if (!once(term.keepDrop.has_value()) || !ParseKeepDrop(term.keepDrop)) {
                    return false;
                }
            } else if (c == '>' || c == '<' || c == '=') {
                if (!once(term.success.has_value()) ||
                    !ParseComparePoint(term.success, false, std::nullopt)) {
                    return false;
                }
            } else if (c == 'f') {
                reader_.Take();
                if (!once(term.failure.has_value()) ||
                    !ParseComparePoint(term.failure, true, std::nullopt)) {
                    return false;
                }
                failureColumn_ = column;
            } else {
                return true;
            }
        }
    }

    bool CheckTerm(const DiceTerm& term) {
        if (term.failure && !term.success) {
            return Fail(ErrorCode::FailureWithoutTarget, failureColumn_);
        }
        if (term.explode &&
            EveryFaceMatches(*term.explode, term.LowestFace(), term.HighestFace())) {
            return Fail(ErrorCode::NeverStops, explodeColumn_);
        }
        if (term.reroll && !term.rerollOnce &&
            EveryFaceMatches(*term.reroll, term.LowestFace(), term.HighestFace())) {
            return Fail(ErrorCode::NeverStops, rerollColumn_);
        }
        // Compared before adding, so that a huge count cannot overflow the sum.
        if (term.count > kMaxDice || diceSoFar_ + term.count > kMaxDice) {
            return Fail(ErrorCode::TooManyDice, term.column);
        }
        diceSoFar_ += term.count;
        return true;
    }

    // The canonical form is what a roll is written and read again as, so it must fit too. It
    // grows where a term is written out in full (k as kh1, d% as d100); the column is that of
    // the term where it passes the limit, counting each term's growth at its place.
    bool CheckCanonicalLength() {
        const std::size_t length = expression_.Normalised().size();
        if (length <= kMaxTextLength) {
            return true;
        }
        std::int64_t grown = 0;
        int column = 1;
        for (std::size_t i = 0; i < expression_.dice.size(); ++i) {
            const DiceTerm& term = expression_.dice[i];
            const auto written = static_cast<std::int64_t>(TermNotation(term).size());
            const std::int64_t growth = written - typedWidths_[i];
            if (growth > 0) {
                column = term.column;
            }
            grown += growth;
            if (term.column - 1 + grown > static_cast<std::int64_t>(kMaxTextLength)) {
                return Fail(ErrorCode::TooLong, term.column);
            }
        }
        return Fail(ErrorCode::TooLong, column);
    }

    // A roll whose explosions and rerolls all but surely pass the most dice one roll may
    // throw is refused before it is rolled; the column is that of the term where the dice
    // thrown on average pass the limit.
    bool CheckDiceLimit() {
        odds::Throws all;
        int column = 1;
        for (const DiceTerm& term : expression_.dice) {
            const odds::Throws throws = odds::ThrowsOf(term);
            if (all.mean <= static_cast<double>(kMaxDice)) {
                column = term.column;
            }
            all.mean += throws.mean;
            all.variance += throws.variance;
            all.most += throws.most;
        }
        constexpr double kAlmostNever = 1e-9;
        if (1.0 - odds::ChanceOverDiceLimit(all) < kAlmostNever) {
            return Fail(ErrorCode::TooManyDice, column);
        }
        return true;
    }

    Reader reader_;
    Expression expression_;
    std::vector<Node>* out_ = &expression_.postfix;  // where nodes go: a group's roll's own
    std::vector<std::int64_t> typedWidths_;          // of each term, in columns
    Error error_{ErrorCode::Empty, 1};
    std::int64_t diceSoFar_ = 0;
    int rerollColumn_ = 1;
    int explodeColumn_ = 1;
    int failureColumn_ = 1;
};

}  // namespace

std::variant<Expression, Error> Parse(std::string_view text) {
    if (Characters(text) > kMaxTextLength) {
        return Error{ErrorCode::TooLong, static_cast<int>(kMaxTextLength) + 1};
    }
    const std::size_t hash = text.find('#');
    if (auto shorthand = ParseShorthand(text.substr(0, hash))) {
        if (auto* expression = std::get_if<Expression>(&*shorthand);
            expression != nullptr && hash != std::string_view::npos) {
            expression->label = Trim(text.substr(hash + 1));
        }
        return std::move(*shorthand);
    }
    return Parser(text).Run();
}

}  // namespace kelvane::notation
