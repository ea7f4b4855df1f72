#pragma once

#include "platform/CheckBoxSource.h"

namespace kelvane {

// A check box held in memory, for running the engine without a window.
class MemoryCheckBox final : public CheckBoxSource {
  public:
    explicit MemoryCheckBox(int value = 0) : value_(value) {}
    ~MemoryCheckBox() override = default;

    [[nodiscard]] int Value() const override { return value_; }
    void SetValue(int value) noexcept { value_ = value; }

  private:
    int value_;
};

}  // namespace kelvane
