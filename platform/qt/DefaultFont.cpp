#include "platform/qt/DefaultFont.h"

#include <QFont>
#include <QWidget>

namespace kelvane {

namespace {
constexpr int kDefaultPointSize = 8;
}

void UseDefaultFont(QWidget& window) {
    QFont font = window.font();
    font.setPointSize(kDefaultPointSize);
    font.setStretch(QFont::SemiCondensed);
    window.setFont(font);
}

}  // namespace kelvane
