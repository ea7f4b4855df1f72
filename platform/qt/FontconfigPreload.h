#pragma once

#include <thread>

namespace kelvane {

// Loads fontconfig's configuration and its cache of the installed fonts on a thread of its
// own while Qt starts up on the main thread, where the first text laid out would otherwise
// wait for them: on Linux, Qt finds its fonts through fontconfig. Without fontconfig it does
// nothing. Made first thing in main(); waits for its thread when it goes.
class FontconfigPreload {
  public:
    FontconfigPreload();
    ~FontconfigPreload();
    FontconfigPreload(const FontconfigPreload&) = delete;
    FontconfigPreload& operator=(const FontconfigPreload&) = delete;

  private:
    std::thread loading_;
};

}  // namespace kelvane
