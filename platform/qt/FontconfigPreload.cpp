#include "platform/qt/FontconfigPreload.h"

#ifdef KELVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace kelvane {

FontconfigPreload::FontconfigPreload() {
#ifdef KELVANE_HAVE_FONTCONFIG
    // Fontconfig is thread-safe: Qt's own FcInit then finds the configuration loaded.
    loading_ = std::thread([] { FcInit(); });
#endif
}

FontconfigPreload::~FontconfigPreload() {
    if (loading_.joinable()) {
        loading_.join();
    }
}

}  // namespace kelvane
