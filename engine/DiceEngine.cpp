#include "engine/DiceEngine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "engine/NotationRoll.h"
#include "engine/NotationWriter.h"
#include "engine/NumberText.h"

namespace kelvane {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEquals = " = ";
// "d", sides of six characters and "-".
constexpr std::size_t kLongestTag = 8;

}  // namespace

float DiceEngine::RollDie(const std::int16_t& n) {
    // The product of a 16-bit integer and a 24-bit fraction is exact in double precision;
    // rounding it to float could turn a product just below n into n.
    const double product = static_cast<double>(n) * static_cast<double>(random_.Next());
    return static_cast<float>(std::floor(product) + 1.0);
}

RollRecord DiceEngine::sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                                 CaptionTarget& tOut) {
    std::string dieTag = "d";
    AppendNumber(dieTag, n);
    const bool copy = copyOption_.Value() != 0;

    std::string clipText;
    ListLines lines;
    // Kept as an exact integer: the largest total, 32767 dice of 32767 sides, is beyond what a
    // float holds exactly.
    std::int64_t total = 0;

    RollRecord shown;
    shown.rolled = DiceOfButtons{m, n};
    std::vector<notation::RolledDie>& dice = shown.terms.emplace_back().dice;
    if (m <= 1) {
        shown.name = dieTag;
        resultFrame_.SetCaption(captionOf_(shown.name));
        const auto value = static_cast<std::int64_t>(RollDie(n));
        total = value;
        dice.push_back({value, 0});
        AppendNumber(clipText, value);
        clipText.append(kLineEnd);
        std::string line = dieTag;
        line.append(kEquals);
        AppendNumber(line, value);
        lines.Add(line);
    } else {
        lOut.RemoveAllItems();
        AppendNumber(shown.name, m);
        shown.name.append(dieTag);
        resultFrame_.SetCaption(captionOf_(shown.name));

        // Room for the longest line and value times the count, and no more: the list keeps
        // the lines' buffer as it is. A value is never longer than the sides' text: values
        // lie between 1 and n, or between n + 1 and 1 for negative n.
        const auto count = static_cast<std::size_t>(m);
        const std::size_t longestValue = dieTag.size() - 1;
        const std::size_t longestLine =
            dieTag.size() + 1 + NumberText(m).size() + kEquals.size() + longestValue;
        lines.Reserve(count, count * longestLine);
        clipText.resize(count * (longestValue + kLineEnd.size()));
        dice.reserve(count);

        // The lines and the values are written straight into their buffers. The tag "dN-" is
        // at most eight characters, and every line at least eight ("d0-1 = 1"): each line
        // starts with all eight characters of the padded tag, and its index overwrites what
        // follows the tag.
        dieTag.push_back('-');
        std::array<char, kLongestTag> paddedTag{};
        std::copy(dieTag.begin(), dieTag.end(), paddedTag.begin());
        char* line = lines.Extend(count * longestLine);
        char* const linesEnd = line + count * longestLine;
        char* clip = clipText.data();
        char* const clipEnd = clip + clipText.size();
        for (int i = 1; i <= m; ++i) {
            const auto value = static_cast<std::int64_t>(RollDie(n));
            total += value;
            dice.push_back({value, 0});
            std::copy(paddedTag.begin(), paddedTag.end(), line);
            line = std::to_chars(line + dieTag.size(), linesEnd, i).ptr;
            line = std::copy(kEquals.begin(), kEquals.end(), line);
            line = std::to_chars(line, linesEnd, value).ptr;
            lines.EndLine(line);
            clip = std::to_chars(clip, clipEnd, value).ptr;
            clip = std::copy(kLineEnd.begin(), kLineEnd.end(), clip);
        }
        lines.Trim(line);
        clipText.resize(static_cast<std::size_t>(clip - clipText.data()));
    }

    lOut.AddItems(std::move(lines));
    if (copy) {
        clipboard_.SetText(clipText);
    }
    tOut.SetCaption(NumberText(total));
    shown.terms.front().value = total;
    shown.total = total;
    return shown;
}

std::variant<RollRecord, notation::Error> DiceEngine::RollNotation(std::string_view text,
                                                                   ListTarget& list,
                                                                   CaptionTarget& total) {
    auto parsed = notation::Parse(text);
    if (const auto* error = std::get_if<notation::Error>(&parsed)) {
        return *error;
    }
    const bool copy = copyOption_.Value() != 0;
    auto& expression = std::get<notation::Expression>(parsed);
    auto rolled = notation::RollExpression(expression, random_);
    if (const auto* error = std::get_if<notation::Error>(&rolled)) {
        return *error;
    }
    auto& roll = std::get<notation::Roll>(rolled);
    RollRecord record;
    record.name = expression.Normalised();
    record.label = expression.label;
    record.total = roll.total;

    const std::array<std::pair<std::uint8_t, const std::string*>, 5> markWords{{
        {notation::kRerolled, &markWords_.rerolled},
        {notation::kExploded, &markWords_.exploded},
        {notation::kDropped, &markWords_.dropped},
        {notation::kSuccess, &markWords_.success},
        {notation::kFailure, &markWords_.failure},
    }};
    ListLines lines;
    lines.Reserve(static_cast<std::size_t>(roll.diceThrown) + 1,
                  static_cast<std::size_t>(roll.diceThrown) * 16);
    // A plain line, such as "d1000000000-1000000 = 1000000000", holds at most 42 characters
    // with the widest 64-bit value; the marks' words follow it.
    std::array<char, 48> plain{};
    std::string marked;
    // A line with its marks' words: "d6-2 = 1 (dropped)".
    const auto addMarked = [&](std::string_view line, std::uint8_t marks) {
        if (marks == 0) {
            lines.Add(line);
            return;
        }
        marked.assign(line);
        const char* separator = " (";
        for (const auto& [mark, word] : markWords) {
            if ((marks & mark) != 0) {
                marked.append(separator).append(*word);
                separator = ", ";
            }
        }
        marked.push_back(')');
        lines.Add(marked);
    };
    // Each roll of a group of several has a line after its dice: "{4d6} = 12 (dropped)".
    std::size_t group = 0;
    std::size_t groupRoll = 0;
    const auto addGroupRolls = [&](std::size_t termsDone) {
        for (; group < roll.groups.size(); ++group, groupRoll = 0) {
            const notation::RolledGroup& rolled = roll.groups[group];
            for (; !expression.groups[group].OfDice() && groupRoll < rolled.rolls.size();
                 ++groupRoll) {
                if (rolled.termsEnd[groupRoll] > termsDone) {
                    return;
                }
                // Appended piece by piece: "{" + a temporary trips a false -Wrestrict in g++ 12.
                std::string line(1, '{');
                line.append(notation::RollNotation(expression, group, groupRoll)).append(1, '}');
                line.append(kEquals);
                AppendNumber(line, rolled.rolls[groupRoll].value);
                addMarked(line, rolled.rolls[groupRoll].marks);
            }
        }
    };
    for (std::size_t t = 0; t < roll.terms.size(); ++t) {
        addGroupRolls(t);
        const notation::DiceTerm& term = expression.dice[t];
        const std::vector<notation::RolledDie>& dice = roll.terms[t].dice;
        char* const begin = plain.data();
        char* const end = begin + plain.size();
        char* const afterTag =
            term.fate ? std::copy_n("dF", 2, begin) : std::to_chars(begin + 1, end, term.sides).ptr;
        *begin = 'd';
        for (std::size_t i = 0; i < dice.size(); ++i) {
            char* next = afterTag;
            if (dice.size() > 1) {
                *next++ = '-';
                next = std::to_chars(next, end, static_cast<std::int64_t>(i + 1)).ptr;
            }
            next = std::copy(kEquals.begin(), kEquals.end(), next);
            next = std::to_chars(next, end, dice[i].value).ptr;
            addMarked(std::string_view(begin, static_cast<std::size_t>(next - begin)),
                      dice[i].marks);
        }
    }
    addGroupRolls(roll.terms.size());
    record.outcome = notation::OutcomeOf(expression, roll);
    const std::string dice = expression.DiceNotation();
    std::string summary = dice;
    summary.append(kEquals);
    AppendNumber(summary, roll.total);
    if (record.outcome) {
        summary.append(" · ").append(outcomeWording_(*record.outcome));
    }
    const std::string label = expression.label.empty() ? "" : " # " + expression.label;
    summary.append(label);
    // A lone die such as d20 says all in its own line.
    if (lines.Count() != 1 || lines.Line(0) != summary) {
        lines.Add(summary);
    }

    if (roll.diceThrown > 1) {
        list.RemoveAllItems();
    }
    resultFrame_.SetCaption(captionOf_(dice));
    list.AddItems(std::move(lines));
    record.terms = std::move(roll.terms);
    record.groups = std::move(roll.groups);
    record.rolled = std::move(expression);
    if (copy) {
        clipboard_.SetText(ChatLine(record, outcomeWording_).append(kLineEnd));
    }
    total.SetCaption(NumberText(record.total));
    return record;
}

}  // namespace kelvane
