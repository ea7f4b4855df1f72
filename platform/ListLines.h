#pragma once

#include <cstddef>
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

    // Appends the pieces of one line, joined.
    template <typename... Pieces>
    void Add(const Pieces&... pieces) {
        (text_.append(pieces), ...);
        ends_.push_back(text_.size());
    }

    // Continues the line being written; Finish() ends it.
    std::string& Text() noexcept { return text_; }
    void Finish() { ends_.push_back(text_.size()); }

    [[nodiscard]] std::size_t Count() const noexcept { return ends_.size(); }
    [[nodiscard]] bool Empty() const noexcept { return ends_.empty(); }

    [[nodiscard]] std::string_view Line(std::size_t index) const noexcept {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(begin, ends_[index] - begin);
    }

    void Clear() noexcept {
        text_.clear();
        ends_.clear();
    }

    void Append(const ListLines& other) {
        const std::size_t offset = text_.size();
        text_.append(other.text_);
        ends_.reserve(ends_.size() + other.ends_.size());
        for (const std::size_t end : other.ends_) {
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
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace kelvane
