#pragma once

#include <ostream>
#include <span>
#include <string>

namespace kelvane {

// A table written as CSV the way RFC 4180 has it: UTF-8, fields joined by commas, records ended
// by CRLF, and a field holding a comma, a quote or a line break quoted with its quotes doubled.
class CsvWriter {
  public:
    explicit CsvWriter(std::ostream& out) : out_(out) {}
    void WriteRow(std::span<const std::string> fields);

  private:
    std::ostream& out_;
};

// A table written as Markdown: a header row, its rule, then the rows. A cell's `|` and `\` are
// escaped and its line breaks become <br>, so that no text breaks the table.
class MarkdownWriter {
  public:
    explicit MarkdownWriter(std::ostream& out) : out_(out) {}
    // The first row written is the header.
    void WriteRow(std::span<const std::string> cells);

  private:
    std::ostream& out_;
    bool headerWritten_ = false;
};

}  // namespace kelvane
