#pragma once

#include <QIcon>

namespace kelvane {

// The application icon. Each size is read from its PNG only when a pixmap of that size is
// first asked for, so the program does not decode all six renderings at start. The window
// offers the window system 16, 32 and 48 pixels; the larger renderings serve anyone who asks
// this icon for them, and the desktop takes them from the installed icon theme.
[[nodiscard]] QIcon ApplicationIcon();

}  // namespace kelvane
