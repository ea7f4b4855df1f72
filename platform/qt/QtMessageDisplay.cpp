#include "QtMessageDisplay.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace kelvane {

void QtMessageDisplay::Show(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QString::fromStdString(prompt), QMessageBox::Ok, owner_);
    box.exec();
}

}  // namespace kelvane
