#pragma once

#include <string_view>

#include "platform/Interface.h"

namespace kelvane {

// The system clipboard, given plain text.
class ClipboardTarget : Interface {
  public:
    virtual ~ClipboardTarget() = default;

    virtual void SetText(std::string_view text) = 0;
};

}  // namespace kelvane
