#include "LogText.h"

namespace kelvane {

std::string CutDiceText(std::string_view dice, std::size_t limit) {
    // Chat-line dice hold commas only between the values of a term, and no empty values: a die
    // ends at each comma, and at each closing bracket but that of an empty term, "[]".
    std::size_t count = 0;
    std::size_t cut = 0;
    for (std::size_t i = 0; i < dice.size(); ++i) {
        const bool endsDie = dice[i] == ',' || (dice[i] == ']' && (i == 0 || dice[i - 1] != '['));
        if (endsDie && ++count == limit) {
            cut = i;
        }
    }
    if (limit == 0 || count <= limit) {
        return std::string(dice);
    }
    return std::string(dice.substr(0, cut)) + ", …] (" + std::to_string(count) + " dice)";
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
