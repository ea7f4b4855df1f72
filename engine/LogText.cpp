#include "LogText.h"

namespace kelvane {

std::string CutDiceText(std::string_view dice, std::size_t limit) {
    // A die ends at the comma or bracket after its value; a bracket opening a term starts none.
    std::size_t counted = 0;
    std::size_t cut = std::string_view::npos;
    bool inTerm = false;
    bool valueSeen = false;
    for (std::size_t i = 0; i < dice.size(); ++i) {
        const char c = dice[i];
        if (c == '[') {
            inTerm = true;
            valueSeen = false;
        } else if (inTerm && (c == ',' || c == ']')) {
            if (valueSeen) {
                ++counted;
                if (counted == limit && cut == std::string_view::npos) {
                    cut = i;
                }
            }
            valueSeen = false;
            inTerm = c == ',';
        } else if (inTerm && c != ' ') {
            valueSeen = true;
        }
    }
    if (counted <= limit) {
        return std::string(dice);
    }
    std::string text(dice.substr(0, cut));
    text += ", …] (" + std::to_string(counted) + " dice)";
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
