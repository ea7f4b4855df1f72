#include "LogText.h"

#include <algorithm>
#include <cstdint>

namespace kelvane {

namespace {

// Texts are counted a block at a time, and only the block that holds the cut is read a sign at
// a time. A block's count is kept in a byte, which holds up to 255; a block of 240 signs is
// also a whole number of 16-byte vectors, so that the count leaves no tail to read one by one.
constexpr std::size_t kCountedBlock = 240;

// Chat-line dice hold commas only between the values of a term, and no empty values: a die ends
// at each comma, and at each closing bracket but that of an empty term, "[]". `before` is the
// sign ahead of the text. Counted in bytes, a block at a time, which the compiler does many
// bytes to an instruction.
std::size_t DiceEndingIn(std::string_view text, char before) {
    std::size_t ends = 0;
    for (std::size_t block = 0; block < text.size(); block += kCountedBlock) {
        const std::size_t end = std::min(text.size(), block + kCountedBlock);
        std::uint8_t blockEnds = 0;
        for (std::size_t i = block; i < end; ++i) {
            blockEnds += static_cast<std::uint8_t>(static_cast<unsigned>(text[i] == ',') +
                                                   static_cast<unsigned>(text[i] == ']'));
        }
        ends += blockEnds;
    }
    // The closing brackets of empty terms, which end no die.
    for (std::size_t empty = text.find("[]"); empty != std::string_view::npos;
         empty = text.find("[]", empty + 2)) {
        --ends;
    }
    if (!text.empty() && text[0] == ']' && before == '[') {
        --ends;
    }
    return ends;
}

char SignBefore(std::string_view text, std::size_t position) {
    return position == 0 ? '\0' : text[position - 1];
}

}  // namespace

std::string CutDiceText(std::string_view dice, std::size_t limit) {
    std::size_t counted = 0;
    std::size_t block = 0;
    for (; block < dice.size(); block += kCountedBlock) {
        const std::size_t ends =
            DiceEndingIn(dice.substr(block, kCountedBlock), SignBefore(dice, block));
        if (counted + ends >= limit) {
            break;
        }
        counted += ends;
    }
    // Fewer dice than the limit, or no limit at all: nothing to cut.
    if (block >= dice.size() || limit == 0) {
        return std::string(dice);
    }
    std::size_t cut = block;
    for (char previous = SignBefore(dice, block);; previous = dice[cut++]) {
        const char c = dice[cut];
        if ((c == ',' || (c == ']' && previous != '[')) && ++counted == limit) {
            break;
        }
    }
    const std::size_t rest = DiceEndingIn(dice.substr(cut + 1), dice[cut]);
    if (rest == 0) {
        return std::string(dice);
    }
    const std::string ending = ", …] (" + std::to_string(counted + rest) + " dice)";
    std::string text;
    text.reserve(cut + ending.size());
    text.append(dice.substr(0, cut)).append(ending);
    return text;
}

void CsvWriter::WriteRow(std::span<const std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) {
            out_ << ',';
        }
        first = false;
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            out_ << field;
            continue;
        }
        out_ << '"';
        for (const char c : field) {
            if (c == '"') {
                out_ << '"';
            }
            out_ << c;
        }
        out_ << '"';
    }
    out_ << "\r\n";
}

void MarkdownWriter::WriteRow(std::span<const std::string> cells) {
    out_ << '|';
    for (const std::string& cell : cells) {
        out_ << ' ';
        for (std::size_t i = 0; i < cell.size(); ++i) {
            const char c = cell[i];
            if (c == '|' || c == '\\') {
                out_ << '\\' << c;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n') {
                    ++i;
                }
                out_ << "<br>";
            } else {
                out_ << c;
            }
        }
        out_ << " |";
    }
    out_ << '\n';
    if (!headerWritten_) {
        headerWritten_ = true;
        out_ << '|';
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out_ << " --- |";
        }
        out_ << '\n';
    }
}

}  // namespace kelvane
