#include "platform/qt/QtProgramStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include "platform/RuntimeError.h"

namespace kelvane {

void QtProgramStarter::Start(const std::string& path) {
    // Paths come from the system in its own 8-bit encoding.
    const QString program =
        QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
    if (program.isEmpty() || !QProcess::startDetached(program, QStringList())) {
        throw errors::FileNotFound();
    }
}

}  // namespace kelvane
