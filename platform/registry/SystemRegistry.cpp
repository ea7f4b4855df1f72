#include "platform/registry/SystemRegistry.h"

#ifdef _WIN32
#include "platform/registry/WindowsRegistry.h"
#else
#include "platform/registry/DesktopRegistry.h"
#endif

namespace kelvane {

std::unique_ptr<Registry> SystemRegistry() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<DesktopRegistry>();
#endif
}

}  // namespace kelvane
