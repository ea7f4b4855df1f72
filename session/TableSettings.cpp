#include "session/TableSettings.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace kelvane {
namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

}  // namespace

QString TableSettings::FilePath(const QString& folder) {
    const QString base = folder.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                             : folder;
    return QDir(base).filePath(QStringLiteral("table.json"));
}

TableSettings TableSettings::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    return {object.value(QStringLiteral("webhook")).toString(),
            object.value(QStringLiteral("name")).toString(),
            object.value(QStringLiteral("share")).toBool()};
}

bool TableSettings::Save(const QString& path) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QJsonObject object;
    object.insert(QStringLiteral("webhook"), webhookUrl);
    object.insert(QStringLiteral("name"), name);
    object.insert(QStringLiteral("share"), shareEveryRoll);
    // The new file is made owner-only before the secret goes into it, then takes the old one's
    // place whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnly)) return false;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return file.commit() && QFile::setPermissions(path, kOwnerOnly);
}

}  // namespace kelvane
