#include <QApplication>
#include <QLocale>
#include <QString>
#include <memory>

#include "platform/qt/FontconfigPreload.h"
#include "session/DatabaseLocation.h"
#include "session/RollSession.h"
#include "session/TableSettings.h"
#include "session/TableSharing.h"
#include "ui/ApplicationIcon.h"
#include "ui/Translations.h"
#include "ui/log/RollLogWindow.h"
#include "ui/main/formKelvane.h"
#include "ui/sharing/TableLink.h"

int main(int argc, char* argv[]) {
    const kelvane::FontconfigPreload fonts;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
    QApplication::setWindowIcon(kelvane::ApplicationIcon());
    const kelvane::Translations translations(QLocale::system().uiLanguages());

    kelvane::RollSession session(kelvane::DatabasePath());
    kelvane::formKelvane window(session);
    // Reading the whole file, the certificates and setting up the network take longer than
    // the window takes to show: they wait for it.
    QObject::connect(&window, &kelvane::formKelvane::firstPainted, &session, [&session] {
        session.CheckFile();
        // A testing aid: a local server that answers as Discord's API does.
        session.StartSharing(qEnvironmentVariable("KELVANE_DISCORD_API_BASE"),
                             kelvane::TableSettings::FilePath());
    });
    QObject::connect(&session, &kelvane::RollSession::sharingStarted, &window, [&] {
        kelvane::TableSharing& sharing = *session.Sharing();
        QObject::connect(&sharing, &kelvane::TableSharing::statusChanged, &window,
                         &kelvane::formKelvane::ShowTableStatus);
        QObject::connect(&window, &kelvane::formKelvane::tableRequested, &window, [&] {
            const QString problem =
                kelvane::ShowTableDialog(&window, sharing, kelvane::TableSettings::FilePath());
            if (!problem.isEmpty()) {
                window.ShowTableStatus(problem, false, true);
            }
        });
    });
    std::unique_ptr<kelvane::RollLogWindow> logWindow;
    QObject::connect(&window, &kelvane::formKelvane::logRequested, &window, [&] {
        if (!logWindow) {
            logWindow = std::make_unique<kelvane::RollLogWindow>(
                session.Logger(),
                [&window](const QString& text) { window.RollNotationText(text); });
        }
        logWindow->ShowWindow();
    });
    window.show();
    return QApplication::exec();
}
