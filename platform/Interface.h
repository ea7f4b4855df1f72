#pragma once

namespace kelvane {

// Base of the platform's abstract interfaces: they are used through references only, never
// copied or moved, and destroyed through their most derived type.
class Interface {
  public:
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
    Interface(Interface&&) = delete;
    Interface& operator=(Interface&&) = delete;

  protected:
    Interface() = default;
    ~Interface() = default;
};

}  // namespace kelvane
