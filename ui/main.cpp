#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <memory>

#include "ApplicationIcon.h"
#include "DatabaseLocation.h"
#include "RollLogger.h"
#include "SqliteTableOutbox.h"
#include "TableLink.h"
#include "TableSettings.h"
#include "TableSharing.h"
#include "Translations.h"
#include "WebhookPoster.h"
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
    kelvane::RollLogger logger(window.Database());
    logger.Attach(window);
    // Sharing with the table waits for the window's first paint: reading the certificates
    // and setting up the network take longer than the window takes to show.
    std::unique_ptr<kelvane::SqliteTableOutbox> outbox;
    std::unique_ptr<kelvane::TableSharing> sharing;
    // The roll book's character makes the rolls: the log names it, and the table hears it.
    const auto takeCharacter = [&logger, &sharing](const QString& name) {
        logger.SetCharacter(name);
        if (sharing) {
            sharing->SetCharacterName(name);
        }
    };
    takeCharacter(window.Character());
    QObject::connect(&window, &kelvane::formKelvane::characterChanged, &window, takeCharacter);
    QObject::connect(&window, &kelvane::formKelvane::firstPainted, &window, [&] {
        outbox = std::make_unique<kelvane::SqliteTableOutbox>(window.Database().Connection());
        kelvane::WebhookPoster::TrustCertificateFileFromEnvironment();
        // A testing aid: a local server that answers as Discord's API does.
        sharing = std::make_unique<kelvane::TableSharing>(
            *outbox, qEnvironmentVariable("KELVANE_DISCORD_API_BASE"),
            QFileInfo(kelvane::DatabasePath())
                .dir()
                .filePath(QStringLiteral("table-posting.lock")));
        sharing->SetCharacterName(window.Character());
        kelvane::LinkTable(window, *sharing, kelvane::TableSettings::FilePath());
        QObject::connect(&window, &kelvane::formKelvane::databaseStartedAfresh, sharing.get(),
                         &kelvane::TableSharing::OutboxStartedAfresh);
        // Each roll's row in the log is its key in the outbox, and says how far it got.
        using kelvane::ShareState;
        QObject::connect(&logger, &kelvane::RollLogger::rollKept, sharing.get(),
                         &kelvane::TableSharing::RollKept);
        QObject::connect(sharing.get(), &kelvane::TableSharing::rollQueued, &logger,
                         [&logger](qint64 row) { logger.MarkShare(row, ShareState::kWaiting); });
        QObject::connect(sharing.get(), &kelvane::TableSharing::rollShared, &logger,
                         [&logger](qint64 row) { logger.MarkShare(row, ShareState::kShared); });
        QObject::connect(sharing.get(), &kelvane::TableSharing::rollFailed, &logger,
                         [&logger](qint64 row, const QString& reason) {
                             logger.MarkShare(row, ShareState::kRefused, reason);
                         });
    });
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
