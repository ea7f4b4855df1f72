#include "session/DatabaseLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvane {

QString DatabasePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A folder that cannot be made leaves the database unwritable, which opening reports.
    QDir().mkpath(folder);
    return folder + QStringLiteral("/kelvane.sqlite3");
}

std::unique_ptr<KelvaneDatabase> OpenKelvaneDatabase() {
    return std::make_unique<KelvaneDatabase>(DatabasePath().toStdString());
}

}  // namespace kelvane
