#include "UntrappedErrorHandler.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace kelvane {

void UntrappedErrorHandler::Report(QWidget* parent, const RuntimeError& error) noexcept {
    const QString text = QStringLiteral("Run-time error '%1':\n\n%2")
                             .arg(error.Number())
                             .arg(QString::fromStdString(error.Description()));
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

}  // namespace kelvane
