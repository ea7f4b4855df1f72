#include "LogText.h"

namespace kelvane {

std::string CutDiceText(std::string_view dice, std::size_t limit) {
    // Chat-line dice hold commas only between the values of a term, and no empty values: a die
    // ends at each comma, and at each closing bracket but that of an empty term, "[]".
    std::size_t counted = 0;
    std::size_t cut = 0;
    char previous = '\0';
    for (; cut < dice.size(); ++cut) {
        const char c = dice[cut];
        if ((c == ',' || (c == ']' && previous != '[')) && ++counted == limit) {
            break;
        }
        previous = c;
    }
    if (cut + 1 >= dice.size()) {
        return std::string(dice);
    }
    // The dice after the cut are only counted: a plain count of each sign, which the compiler
    // keeps free of branches.
    const std::string_view rest = dice.substr(cut + 1);
    std::size_t ends = 0;
    for (const char c : rest) {
        ends += static_cast<std::size_t>(c == ',') + static_cast<std::size_t>(c == ']');
    }
    for (auto empty = dice.find("[]", cut); empty != std::string_view::npos;
         empty = dice.find("[]", empty + 2)) {
        --ends;
    }
    if (ends == 0) {
        return std::string(dice);
    }
    std::string text(dice.substr(0, cut));
    text += ", …] (" + std::to_string(counted + ends) + " dice)";
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
