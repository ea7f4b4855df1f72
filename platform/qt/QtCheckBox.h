#pragma once

#include "platform/CheckBoxSource.h"

class QCheckBox;

namespace kelvane {

// A check box's value: 0 when clear, 1 when ticked.
class QtCheckBox final : public CheckBoxSource {
  public:
    explicit QtCheckBox(const QCheckBox& checkBox) noexcept : checkBox_(checkBox) {}
    ~QtCheckBox() override = default;

    [[nodiscard]] int Value() const override;

  private:
    const QCheckBox& checkBox_;
};

}  // namespace kelvane
