#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <future>
#include <memory>

#include "engine/Distribution.h"
#include "engine/RollRecord.h"
#include "engine/odds/Outcomes.h"
#include "platform/storage/KelvaneDatabase.h"
#include "session/NotationHistory.h"
#include "session/RollLogger.h"

namespace kelvane {

class SqliteRollBook;
class SqliteTableOutbox;
class TableSharing;

// What stands behind the windows: Kelvane's database, the notation history, the roll log's
// writer, the worker that works out each roll's odds, and sharing with the table. A window
// hands over each roll it shows and shows what the session says back; nothing here knows of
// a widget.
class RollSession final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollSession)

  public:
    // Opens the database at databasePath (":memory:" for one that lasts as long as the session).
    explicit RollSession(const QString& databasePath, QObject* parent = nullptr);
    ~RollSession() override;

    // Each waits for the database, which opens while the window builds its layout.
    [[nodiscard]] KelvaneDatabase& Database();
    [[nodiscard]] NotationHistory& History();
    [[nodiscard]] RollLogger& Logger();
    // Sharing with the table, once StartSharing has set it up.
    [[nodiscard]] TableSharing* Sharing() { return sharing_.get(); }

    // A notation rolled from the box: it comes back first with Up, in this session and the next.
    void RememberNotation(const QString& notation);
    // The roll book's character, who makes the rolls from now on.
    void SetCharacter(const QString& name);

    // A roll just shown: the log keeps it at once, its odds are worked out on a worker, and
    // sharing posts it with them. A newer roll makes the odds of this one moot.
    void Take(const RollRecordPtr& roll);

    // What need not be there for the window to show, and takes longer than it takes to show.
    // The database's whole file is read through on a worker; damage found starts it afresh.
    void CheckFile();
    // Sharing with the table is set up: apiBase stands in for Discord's address when not empty
    // (a local test server), and settingsPath holds the table's settings.
    void StartSharing(const QString& apiBase, const QString& settingsPath);

  signals:
    // A roll was taken: it is in the log, if the log keeps rolls.
    void rollTaken(const kelvane::RollRecordPtr& roll);
    // The odds of roll, the latest one taken, with the chance of each of its outcomes (none
    // for a roll without outcomes).
    void oddsReady(const kelvane::RollRecordPtr& roll, const kelvane::Distribution& odds,
                   const kelvane::OutcomeChances& outcomes);
    // The damaged database was kept aside and replaced by a fresh one, with the roll book
    // carried over when bookCarriedOver; or it refuses writes since.
    void databaseStartedAfresh(bool bookCarriedOver);
    // Sharing was set up, and is about to take its settings: the windows may now follow it.
    void sharingStarted();

  private:
    // Takes the database once it is open, and reads the notation history from it.
    void Open();
    void WorkOutOdds(const RollRecordPtr& roll);
    void StartDatabaseAfresh();

    QString databasePath_;
    std::future<std::unique_ptr<KelvaneDatabase>> opening_;
    std::unique_ptr<KelvaneDatabase> database_;
    std::unique_ptr<SqliteRollBook> book_;
    NotationHistory history_;
    std::unique_ptr<RollLogger> logger_;
    std::unique_ptr<SqliteTableOutbox> outbox_;
    std::unique_ptr<TableSharing> sharing_;
    QString character_;
    RollRecordPtr latest_;
    bool afreshQueued_ = false;
    // Set when the session ends, so that a check of a large file gives up.
    std::atomic_bool stopChecking_{false};
    QThreadPool databaseChecker_;
    // Cancelled when a newer roll comes before a worker has started on it.
    QFuture<void> latestOdds_;
    // Declared last, so destroyed first: it waits for the odds being worked out.
    QThreadPool oddsWorkers_;
};

}  // namespace kelvane
