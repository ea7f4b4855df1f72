#pragma once

#include <QString>

namespace kelvane {

// What the player set in the Table dialog, kept per user in a file that only its owner may
// read (0600 on Linux; on Windows the user's own application data), because the webhook URL is
// a secret. The URL is never logged, copied or shown.
struct TableSettings {
    QString webhookUrl;
    QString name;
    bool shareEveryRoll = false;

    // The settings file in folder (by default the per-user configuration folder).
    [[nodiscard]] static QString FilePath(const QString& folder = {});
    // Empty settings when the file is missing or unreadable.
    [[nodiscard]] static TableSettings Load(const QString& path);
    // False when the file cannot be written; it is never left readable by others.
    [[nodiscard]] bool Save(const QString& path) const;
};

}  // namespace kelvane
