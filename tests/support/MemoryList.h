#pragma once

#include <utility>

#include "platform/ListTarget.h"

namespace kelvane {

// A list held in memory, for running the engine without a window.
class MemoryList final : public ListTarget {
  public:
    MemoryList() = default;
    ~MemoryList() override = default;

    void RemoveAllItems() override { lines_.Clear(); }
    void AddItems(ListLines&& lines) override { lines_.Append(std::move(lines)); }

    [[nodiscard]] const ListLines& Lines() const noexcept { return lines_; }

  private:
    ListLines lines_;
};

}  // namespace kelvane
