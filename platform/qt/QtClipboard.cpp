#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtText.h"

namespace kelvane {

void QtClipboard::SetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

}  // namespace kelvane
