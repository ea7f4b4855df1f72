#pragma once

#include "platform/ClipboardTarget.h"

namespace kelvane {

// The system clipboard, given plain text.
class QtClipboard final : public ClipboardTarget {
  public:
    QtClipboard() = default;
    ~QtClipboard() override = default;

    void SetText(std::string_view text) override;
};

}  // namespace kelvane
