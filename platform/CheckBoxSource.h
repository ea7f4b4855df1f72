#pragma once

#include "platform/Interface.h"

namespace kelvane {

// A check box as the program reads it: 0 when clear, not 0 when ticked.
class CheckBoxSource : Interface {
  public:
    virtual ~CheckBoxSource() = default;

    [[nodiscard]] virtual int Value() const = 0;
};

}  // namespace kelvane
