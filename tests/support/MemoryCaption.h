#pragma once

#include <string>
#include <utility>

#include "platform/CaptionTarget.h"

namespace kelvane {

// A caption held in memory, for running the engine without a window.
class MemoryCaption final : public CaptionTarget {
  public:
    explicit MemoryCaption(std::string caption = {}) : caption_(std::move(caption)) {}
    ~MemoryCaption() override = default;

    void SetCaption(std::string_view caption) override { caption_ = caption; }
    [[nodiscard]] const std::string& Caption() const noexcept { return caption_; }

  private:
    std::string caption_;
};

}  // namespace kelvane
