#include <QApplication>
#include <QLocale>
#include <QString>
#include <memory>

#include "ApplicationIcon.h"
#include "RollLogger.h"
#include "Translations.h"
#include "formKelvane.h"
#include "frmRollLog.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
    QApplication::setWindowIcon(kelvane::ApplicationIcon());
    const kelvane::Translations translations(QLocale::system().uiLanguages());

    kelvane::formKelvane window;
    kelvane::RollLogger logger(kelvane::DatabasePath());
    logger.Attach(window);
    std::unique_ptr<kelvane::frmRollLog> logWindow;
    QObject::connect(&window, &kelvane::formKelvane::logRequested, &window, [&] {
        if (!logWindow) {
            logWindow = std::make_unique<kelvane::frmRollLog>(
                logger, [&window](const QString& text) { window.RollNotationText(text); });
        }
        logWindow->ShowWindow();
    });
    window.show();
    return QApplication::exec();
}
