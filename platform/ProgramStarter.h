#pragma once

#include <string>

#include "platform/Interface.h"

namespace kelvane {

// Starts a program as a separate process in a normal window that takes the focus, and
// returns at once without waiting for it. The path names the program itself and never
// passes through a shell. Raises a RuntimeError when the program cannot be started.
class ProgramStarter : Interface {
  public:
    virtual ~ProgramStarter() = default;

    virtual void Start(const std::string& path) = 0;
};

}  // namespace kelvane
