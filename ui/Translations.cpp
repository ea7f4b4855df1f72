#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kelvane {

Translations::Translations(const QLocale& locale) {
    // English has a translation of its own, empty, so that a player who puts English before
    // another language Kelvane has gets English.
    if (!program_.load(locale, QStringLiteral("kelvane"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
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
