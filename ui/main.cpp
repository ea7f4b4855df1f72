#include <QApplication>
#include <QLocale>
#include <QString>

#include "ApplicationIcon.h"
#include "Translations.h"
#include "formKelvane.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
    QApplication::setWindowIcon(kelvane::ApplicationIcon());
    const kelvane::Translations translations(QLocale::system().uiLanguages());

    kelvane::formKelvane window;
    window.show();
    return QApplication::exec();
}
