#pragma once

#include <string>

#include "platform/ClipboardTarget.h"

namespace kelvane {

// A clipboard held in memory, for running the engine without a window.
class MemoryClipboard final : public ClipboardTarget {
  public:
    MemoryClipboard() = default;
    ~MemoryClipboard() override = default;

    void SetText(std::string_view text) override {
        text_ = text;
        ++writes_;
    }
    [[nodiscard]] const std::string& Text() const noexcept { return text_; }
    [[nodiscard]] int Writes() const noexcept { return writes_; }

  private:
    std::string text_;
    int writes_ = 0;
};

}  // namespace kelvane
