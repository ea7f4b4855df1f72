#pragma once

#include <string_view>

#include "platform/Interface.h"

namespace kelvane {

// A label, frame or window whose caption the program sets.
class CaptionTarget : Interface {
  public:
    virtual ~CaptionTarget() = default;

    virtual void SetCaption(std::string_view caption) = 0;
};

}  // namespace kelvane
