#include "platform/qt/QtMessageDisplay.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace kelvane {

namespace {

constexpr const char* kContext = "QtMessageDisplay";

// The Qt-free core hands its messages over in English; they are translated here by their text,
// and listed for lupdate to collect.
[[maybe_unused]] constexpr const char* kCoreMessages[] = {
    QT_TRANSLATE_NOOP("QtMessageDisplay", "System Information Is Unavailable At This Time"),
};

}  // namespace

void QtMessageDisplay::Show(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QCoreApplication::translate(kContext, prompt.c_str()), QMessageBox::Ok, owner_);
    box.exec();
}

}  // namespace kelvane
