#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <algorithm>

namespace kelvane {

Translations::Translations(const QStringList& languages) {
    // The languages in the player's order, each with its regional variants. English has a
    // translation of its own, empty, so that a player who puts English before another language
    // Kelvane has gets English.
    const bool found =
        std::any_of(languages.begin(), languages.end(), [this](const QString& language) {
            return program_.load(QLocale(language), QStringLiteral("kelvane"), QStringLiteral("_"),
                                 QStringLiteral(":/i18n"));
        });
    if (!found) {
        return;
    }
    QCoreApplication::installTranslator(&program_);
    // Qt's texts in the same language, so that no window mixes two. Beside the program on
    // Windows, among the system's Qt translations on Linux.
    if (toolkit_.load(QStringLiteral("qtbase_") + program_.language(),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&toolkit_);
    }
}

}  // namespace kelvane
