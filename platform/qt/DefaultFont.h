#pragma once

class QWidget;

namespace kelvane {

// Gives a window the font its controls use when they name none: small, and narrow where its
// family has a narrow face, so that the short captions of the layouts fit their controls.
void UseDefaultFont(QWidget& window);

}  // namespace kelvane
