#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// A run of list lines kept in one text buffer, so that a roll of thousands of dice hands its
// lines to a list in one piece instead of one allocation and one insertion per line.
class ListLines {
  public:
    void Reserve(std::size_t lines, std::size_t characters) {
        ends_.reserve(lines);
        text_.reserve(characters);
    }

    void Add(std::string_view line) {
        text_.append(line);
        ends_.push_back(static_cast<End>(text_.size()));
    }

    // Writing lines in place: Extend() makes room for that many more characters and returns
    // where they begin; EndLine() ends a line where its characters end; Trim() gives back the
    // room from there on. The room stays put until Trim().
    [[nodiscard]] char* Extend(std::size_t characters) {
        const std::size_t begin = text_.size();
        text_.resize(begin + characters);
        return text_.data() + begin;
    }
    void EndLine(const char* end) { ends_.push_back(static_cast<End>(end - text_.data())); }
    void Trim(const char* end) { text_.resize(static_cast<std::size_t>(end - text_.data())); }

    [[nodiscard]] std::size_t Count() const noexcept { return ends_.size(); }
    [[nodiscard]] bool Empty() const noexcept { return ends_.empty(); }

    [[nodiscard]] std::string_view Line(std::size_t index) const noexcept {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(begin, ends_[index] - begin);
    }

    // Empties the run and gives its memory back.
    void Clear() noexcept {
        std::string().swap(text_);
        std::vector<End>().swap(ends_);
    }

    // Takes over the other run's buffers when this one is empty, as after a list is emptied
    // for a roll of several dice; copies its lines otherwise.
    void Append(ListLines&& other) {
        if (Empty()) {
            text_ = std::move(other.text_);
            ends_ = std::move(other.ends_);
            other.Clear();
            return;
        }
        const auto offset = static_cast<End>(text_.size());
        text_.append(other.text_);
        ends_.reserve(ends_.size() + other.ends_.size());
        for (const End end : other.ends_) {
            ends_.push_back(offset + end);
        }
    }

    [[nodiscard]] std::vector<std::string> ToStrings() const {
        std::vector<std::string> lines;
        lines.reserve(Count());
        for (std::size_t i = 0; i < Count(); ++i) {
            lines.emplace_back(Line(i));
        }
        return lines;
    }

  private:
    // Where each line ends in the text. Four bytes a line: a list would need thousands of
    // millions of one-die rolls to pass 4 GiB of text.
    using End = std::uint32_t;

    std::string text_;
    std::vector<End> ends_;
};

}  // namespace kelvane
