#pragma once

#include <string>

#include "platform/Interface.h"

namespace kelvane {

// A message box with a single OK button and no icon, titled with the application's title.
// Returns when the user has closed it.
class MessageDisplay : Interface {
  public:
    virtual ~MessageDisplay() = default;

    virtual void Show(const std::string& prompt) = 0;
};

}  // namespace kelvane
