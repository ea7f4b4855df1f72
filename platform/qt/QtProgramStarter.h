#pragma once

#include <string>

#include "platform/ProgramStarter.h"

namespace kelvane {

// Starts the program at a path as a detached process, with no arguments and no shell between.
class QtProgramStarter final : public ProgramStarter {
  public:
    void Start(const std::string& path) override;
};

}  // namespace kelvane
