#include "SystemRegistry.h"

#ifdef _WIN32
#include "WindowsRegistry.h"
#else
#include "DesktopRegistry.h"
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
