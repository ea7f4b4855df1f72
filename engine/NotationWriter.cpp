#include "engine/NotationWriter.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/NumberText.h"

namespace kelvane::notation {

int Precedence(NodeKind kind) {
    switch (kind) {
        case NodeKind::Add:
        case NodeKind::Subtract:
            return 1;
        case NodeKind::Multiply:
        case NodeKind::Divide:
            return 2;
        case NodeKind::Negate:
            return 3;
        case NodeKind::Number:
        case NodeKind::Dice:
        case NodeKind::Group:
            break;
    }
    return 4;
}

namespace {

// A compare point as the notation writes it; for modifiers other than a success target, the
// common "equal to" is written as the bare number.
void AppendComparePoint(std::string& text, const ComparePoint& point, bool bareEqual) {
    switch (point.compare) {
        case Compare::Equal:
            text.append(bareEqual && point.target >= 0 ? "" : "=");
            break;
        case Compare::Greater:
            text.push_back('>');
            break;
        case Compare::GreaterOrEqual:
            text.append(">=");
            break;
        case Compare::Less:
            text.push_back('<');
            break;
        case Compare::LessOrEqual:
            text.append("<=");
            break;
    }
    AppendNumber(text, point.target);
}

}  // namespace

std::string TermNotation(const DiceTerm& term) {
    std::string text;
    if (term.countWritten) {
        AppendNumber(text, term.count);
    }
    text.push_back('d');
    if (term.fate) {
        text.push_back('F');
    } else {
        AppendNumber(text, term.sides);
    }
    if (term.reroll) {
        text.append(term.rerollOnce ? "ro" : "r");
        AppendComparePoint(text, *term.reroll, true);
    }
    if (term.explode) {
        text.append(term.compound ? "!!" : "!");
        // A success target right after "!" would read as the faces that explode.
        const bool successNext = term.success && !term.keepDrop;
        if (successNext || *term.explode != ComparePoint{Compare::Equal, term.HighestFace()}) {
            AppendComparePoint(text, *term.explode, true);
        }
    }
    if (term.keepDrop) {
        text.push_back(term.keepDrop->keep ? 'k' : 'd');
        text.push_back(term.keepDrop->highest ? 'h' : 'l');
        AppendNumber(text, term.keepDrop->amount);
    }
    if (term.success) {
        AppendComparePoint(text, *term.success, false);
    }
    if (term.failure) {
        text.push_back('f');
        AppendComparePoint(text, *term.failure, true);
    }
    return text;
}

namespace {

struct Written {
    std::string text;
    NodeKind kind;
};

Written WritePostfix(const Expression& expression, const std::vector<Node>& postfix,
                     const TermText& termText, const GroupText& groupText) {
    std::vector<Written> stack;
    auto parenthesised = [](std::string&& written, bool needed) {
        std::string text = std::move(written);
        if (needed) {
            text.insert(text.begin(), '(');
            text.push_back(')');
        }
        return text;
    };
    for (const Node& node : postfix) {
        switch (node.kind) {
            case NodeKind::Number:
                stack.push_back({NumberText(node.number), node.kind});
                break;
            case NodeKind::Dice:
                stack.push_back({termText(static_cast<std::size_t>(node.number)), node.kind});
                break;
            case NodeKind::Group: {
                const auto index = static_cast<std::size_t>(node.number);
                std::vector<std::string> rolls;
                for (const std::vector<Node>& roll : expression.groups[index].rolls) {
                    rolls.push_back(WritePostfix(expression, roll, termText, groupText).text);
                }
                stack.push_back({groupText(index, std::move(rolls)), node.kind});
                break;
            }
            case NodeKind::Negate: {
                Written& operand = stack.back();
                const bool needed = Precedence(operand.kind) < Precedence(NodeKind::Negate);
                std::string text = parenthesised(std::move(operand.text), needed);
                text.insert(text.begin(), '-');
                operand.text = std::move(text);
                operand.kind = NodeKind::Negate;
                break;
            }
            case NodeKind::Add:
            case NodeKind::Subtract:
            case NodeKind::Multiply:
            case NodeKind::Divide: {
                Written right = std::move(stack.back());
                stack.pop_back();
                Written& left = stack.back();
                const int precedence = Precedence(node.kind);
                const int rightPrecedence = Precedence(right.kind);
                // The right operand keeps its parentheses at the same precedence: a+(b-c) may
                // stay within 64 bits where a+b-c does not, and a*(b/c) rounds differently.
                const bool rightNeeded = rightPrecedence <= precedence;
                static constexpr std::string_view kSymbols = "+-*/";
                const auto symbol = kSymbols[static_cast<std::size_t>(node.kind) -
                                             static_cast<std::size_t>(NodeKind::Add)];
                std::string text =
                    parenthesised(std::move(left.text), Precedence(left.kind) < precedence);
                text.push_back(symbol);
                text.append(parenthesised(std::move(right.text), rightNeeded));
                left.text = std::move(text);
                left.kind = node.kind;
                break;
            }
        }
    }
    return stack.empty() ? Written{{}, NodeKind::Number} : std::move(stack.back());
}

}  // namespace

std::string GroupNotation(const Group& group, const std::vector<std::string>& rolls) {
    std::string text = "{";
    for (const std::string& roll : rolls) {
        text.append(text.size() > 1 ? ", " : "").append(roll);
    }
    text.push_back('}');
    if (group.keepDrop) {
        text.push_back(group.keepDrop->keep ? 'k' : 'd');
        text.push_back(group.keepDrop->highest ? 'h' : 'l');
        AppendNumber(text, group.keepDrop->amount);
    }
    if (group.success) {
        AppendComparePoint(text, *group.success, false);
    }
    if (group.failure) {
        text.push_back('f');
        AppendComparePoint(text, *group.failure, true);
    }
    return text;
}

std::string Write(const Expression& expression, const TermText& termText,
                  const GroupText& groupText) {
    const GroupText canonical = [&expression](std::size_t group, std::vector<std::string> rolls) {
        return GroupNotation(expression.groups[group], rolls);
    };
    return WritePostfix(expression, expression.postfix, termText, groupText ? groupText : canonical)
        .text;
}

std::string RollNotation(const Expression& expression, std::size_t group, std::size_t roll) {
    const auto canonical = [&expression](std::size_t term) {
        return TermNotation(expression.dice[term]);
    };
    return WritePostfix(expression, expression.groups[group].rolls[roll], canonical, nullptr).text;
}

std::string Expression::DiceNotation() const {
    if (!reading.shorthand.empty()) {
        return reading.shorthand;
    }
    return Write(*this, [this](std::size_t term) { return TermNotation(dice[term]); });
}

std::string Expression::Normalised() const {
    std::string text = DiceNotation();
    if (!reading.shorthand.empty()) {
        return text;
    }
    const char* separator = " ? ";
    for (const OutcomeRule& band : reading.rules) {
        text.append(separator);
        separator = "; ";
        // A typed band has one condition on the result, or none for "anything else".
        if (!band.conditions.empty()) {
            const Condition& range = band.conditions.front();
            if (range.low == kNoFloor) {
                AppendNumber(text, range.high);
                text.push_back('-');
            } else {
                AppendNumber(text, range.low);
                if (range.high == kNoLimit) {
                    text.push_back('+');
                } else if (range.high != range.low) {
                    text.push_back('-');
                    AppendNumber(text, range.high);
                }
            }
            text.push_back(' ');
        }
        text.append(band.name);
    }
    return text;
}

}  // namespace kelvane::notation
