#pragma once

#include "Interface.h"
#include <string_view>

namespace kelvane {

// A label, frame or window whose caption the program sets.
class CaptionTarget : Interface {
public:
    virtual ~CaptionTarget() = default;

    virtual void SetCaption(std::string_view caption) = 0;
};

}  // namespace kelvane
