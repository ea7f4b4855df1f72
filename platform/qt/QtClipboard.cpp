#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "QtText.h"

namespace kelvane {

void QtClipboard::SetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

}  // namespace kelvane
