#include "engine/LogText.h"

namespace kelvane {

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
