#include "session/RollSession.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "platform/qt/UntrappedErrorHandler.h"
#include "platform/storage/SqliteRollBook.h"
#include "platform/storage/SqliteTableOutbox.h"
#include "session/TableSettings.h"
#include "session/TableSharing.h"
#include "session/WebhookPoster.h"

namespace kelvane {

namespace {

// A roll's odds as a worker leaves them: the distribution and the outcomes' chances, or what
// stopped it.
struct WorkedOutOdds {
    std::optional<Distribution> odds;
    OutcomeChances outcomes;
    std::exception_ptr error;
};

OutcomeChances ChancesOfOutcomes(const RollRecord& roll) {
    const auto* expression = std::get_if<notation::Expression>(&roll.rolled);
    return expression != nullptr && !expression->reading.rules.empty()
               ? OutcomeChancesOf(*expression)
               : OutcomeChances{};
}

}  // namespace

RollSession::RollSession(const QString& databasePath, QObject* parent)
    : QObject(parent),
      databasePath_(databasePath),
      // Opened on a thread of its own while the window builds its layout on this one.
      opening_(std::async(std::launch::async, [path = databasePath.toStdString()] {
          return std::make_unique<KelvaneDatabase>(path);
      })) {}

void RollSession::Open() {
    if (database_) {
        return;
    }
    database_ = opening_.get();
    // Damage met by any reader or writer, here or in the windows, is met once, after the
    // failing call has unwound.
    database_->Connection().OnDamage([this] {
        if (!afreshQueued_) {
            afreshQueued_ = true;
            QMetaObject::invokeMethod(this, &RollSession::StartDatabaseAfresh,
                                      Qt::QueuedConnection);
        }
    });
    book_ = std::make_unique<SqliteRollBook>(database_->Connection());
    try {
        QStringList newestFirst;
        for (const auto& notation : book_->History()) {
            newestFirst.append(QString::fromStdString(notation));
        }
        history_.Load(newestFirst);
    } catch (const StorageError&) {
        // A book that cannot be read starts the session without its notations.
    }
    logger_ = std::make_unique<RollLogger>(*database_);
}

RollSession::~RollSession() {
    // Odds not yet started are not worth waiting for; oddsWorkers_ waits for the rest.
    latestOdds_.cancel();
    stopChecking_ = true;
    databaseChecker_.waitForDone();
}

KelvaneDatabase& RollSession::Database() {
    Open();
    return *database_;
}

NotationHistory& RollSession::History() {
    Open();
    return history_;
}

RollLogger& RollSession::Logger() {
    Open();
    return *logger_;
}

void RollSession::RememberNotation(const QString& notation) {
    Open();
    history_.Add(notation);
    try {
        book_->AddToHistory(notation.toStdString());
    } catch (const StorageError&) {
        // The roll book says once that it cannot be saved; each roll saying it again would
        // drown the rolls' own announcements.
    }
}

void RollSession::SetCharacter(const QString& name) {
    character_ = name;
    Logger().SetCharacter(name);
    if (sharing_) {
        sharing_->SetCharacterName(name);
    }
}

void RollSession::Take(const RollRecordPtr& roll) {
    Open();
    latest_ = roll;
    // The log first, so that the roll is kept before it is painted; sharing after it, as
    // its key in the outbox is its row in the log.
    logger_->Keep(roll);
    if (sharing_) {
        sharing_->RollShown(roll);
    }
    emit rollTaken(roll);
    WorkOutOdds(roll);
}

void RollSession::WorkOutOdds(const RollRecordPtr& roll) {
    // Odds still waiting for a worker would only be dropped once worked out.
    latestOdds_.cancel();
    auto future = QtConcurrent::run(&oddsWorkers_, [roll] {
        WorkedOutOdds worked;
        try {
            worked.odds = OddsOf(*roll);
            worked.outcomes = ChancesOfOutcomes(*roll);
        } catch (...) {
            // Rethrown on the session's thread, where the untrapped error handler reports it.
            worked.error = std::current_exception();
        }
        return worked;
    });
    latestOdds_ = QFuture<void>(future);
    auto* watcher = new QFutureWatcher<WorkedOutOdds>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, roll] {
        watcher->deleteLater();
        // A newer roll's odds are on their way; these would be of a roll no longer shown.
        if (roll != latest_ || watcher->future().resultCount() == 0) {
            return;
        }
        UntrappedErrorHandler::Run(nullptr, [&] {
            const WorkedOutOdds& worked = watcher->future().result();
            if (worked.error) {
                std::rethrow_exception(worked.error);
            }
            logger_->KeepStanding(roll, *worked.odds);
            if (sharing_) {
                sharing_->OddsShown(roll, *worked.odds, worked.outcomes);
            }
            emit oddsReady(roll, *worked.odds, worked.outcomes);
        });
    });
    watcher->setFuture(future);
}

void RollSession::CheckFile() {
    const std::string file = Database().FileToCheck();
    if (!file.empty()) {
        auto* watcher = new QFutureWatcher<bool>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
            watcher->deleteLater();
            if (!watcher->future().result()) {
                StartDatabaseAfresh();
            }
        });
        watcher->setFuture(QtConcurrent::run(&databaseChecker_, [this, file] {
            return KelvaneDatabase::CheckFile(file, &stopChecking_);
        }));
    }
}

void RollSession::StartSharing(const QString& apiBase, const QString& settingsPath) {
    Open();
    outbox_ = std::make_unique<SqliteTableOutbox>(database_->Connection());
    WebhookPoster::TrustCertificateFileFromEnvironment();
    // Of the Kelvanes on one database, only the one holding the lock beside it posts.
    const QString lockPath =
        databasePath_ == QStringLiteral(":memory:")
            ? QString()
            : QFileInfo(databasePath_).dir().filePath(QStringLiteral("table-posting.lock"));
    sharing_ = std::make_unique<TableSharing>(*outbox_, apiBase, lockPath);
    sharing_->SetCharacterName(character_);
    // Each roll's row in the log is its key in the outbox, and says how far it got.
    connect(logger_.get(), &RollLogger::rollKept, sharing_.get(), &TableSharing::RollKept);
    connect(sharing_.get(), &TableSharing::rollQueued, logger_.get(),
            [this](qint64 row) { logger_->MarkShare(row, ShareState::kWaiting); });
    connect(sharing_.get(), &TableSharing::rollShared, logger_.get(),
            [this](qint64 row) { logger_->MarkShare(row, ShareState::kShared); });
    connect(sharing_.get(), &TableSharing::rollFailed, logger_.get(),
            [this](qint64 row, const QString& reason) {
                logger_->MarkShare(row, ShareState::kRefused, reason);
            });
    emit sharingStarted();
    const TableSettings settings = TableSettings::Load(settingsPath);
    sharing_->Configure(settings.webhookUrl, settings.name, settings.shareEveryRoll);
}

void RollSession::StartDatabaseAfresh() {
    // Reading the damaged book below may meet the damage again: that is this very call.
    afreshQueued_ = true;
    // The book is carried over when the damage lies elsewhere, as in the roll log.
    std::vector<CharacterRolls> book;
    try {
        book = book_->Export();
    } catch (const StorageError&) {
        // The damage lies in the book itself: the fresh one starts empty.
    }
    bool carriedOver = false;
    try {
        database_->StartAfresh();
        book_->Import(book);
        carriedOver =
            !book.empty() && database_->OpenedState() == KelvaneDatabase::State::kStartedAfresh;
    } catch (const StorageError&) {
        // The database now refuses writes, or kept what it could; the roll book says why.
    }
    afreshQueued_ = false;
    logger_->ResumeKeeping();
    if (sharing_) {
        sharing_->OutboxStartedAfresh();
    }
    emit databaseStartedAfresh(carriedOver);
}

}  // namespace kelvane
