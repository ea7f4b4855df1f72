#include "DiceEngine.h"

#include <cmath>
#include <string>

#include "NumberText.h"

namespace kelvane {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEquals = " = ";
constexpr std::string_view kResult = "Result: ";
// Enough for "-", an index of five digits, " = " and a value of six characters.
constexpr std::size_t kLineAllowance = 16;
constexpr std::size_t kClipAllowance = 8;
}  // namespace

float DiceEngine::RollDie(const std::int16_t& n) {
    // The product of a 16-bit integer and a 24-bit fraction is exact in double precision;
    // rounding it to float could turn a product just below n into n.
    const double product = static_cast<double>(n) * static_cast<double>(random_.Next());
    return static_cast<float>(std::floor(product) + 1.0);
}

void DiceEngine::sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                           CaptionTarget& tOut) {
    std::string dieTag = "d";
    AppendNumber(dieTag, n);
    const bool copy = copyOption_.Value() != 0;

    std::string clipText;
    ListLines lines;
    // Kept as an exact integer: the largest total, 32767 dice of 32767 sides, is beyond what a
    // float holds exactly.
    std::int64_t total = 0;

    if (m <= 1) {
        resultFrame_.SetCaption(std::string(kResult) + dieTag);
        const auto value = static_cast<std::int64_t>(RollDie(n));
        total = value;
        AppendNumber(clipText, value);
        clipText.append(kLineEnd);
        lines.Text().append(dieTag).append(kEquals);
        AppendNumber(lines.Text(), value);
        lines.Finish();
    } else {
        lOut.RemoveAllItems();
        std::string caption(kResult);
        AppendNumber(caption, m);
        caption.append(dieTag);
        resultFrame_.SetCaption(caption);

        const auto count = static_cast<std::size_t>(m);
        lines.Reserve(count, count * (dieTag.size() + kLineAllowance));
        clipText.reserve(count * kClipAllowance);
        dieTag.push_back('-');
        std::string& text = lines.Text();
        for (int i = 1; i <= m; ++i) {
            const auto value = static_cast<std::int64_t>(RollDie(n));
            total += value;
            text.append(dieTag);
            AppendNumber(text, i);
            text.append(kEquals);
            AppendNumber(text, value);
            lines.Finish();
            AppendNumber(clipText, value);
            clipText.append(kLineEnd);
        }
    }

    lOut.AddItems(lines);
    if (copy) {
        clipboard_.SetText(clipText);
    }
    tOut.SetCaption(NumberText(total));
}

}  // namespace kelvane
