#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <deque>
#include <memory>
#include <string>

#include "engine/Distribution.h"
#include "engine/RollRecord.h"
#include "platform/RollLog.h"

namespace kelvane {

class KelvaneDatabase;

// Writes every roll to the roll log, before the window paints it, and its standing once its
// odds are worked out. A log that cannot be written never stops a roll: keepingChanged says
// that rolls are not being kept, the writes wait in order, and they are made, each once, at
// the next roll or on a timer that tries again less and less often.
class RollLogger : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollLogger)

  public:
    // Rolls that wait beyond this many bytes of text are not kept: those already waiting are.
    static constexpr std::size_t kMaxWaitingBytes = 16U << 20U;
    static constexpr std::chrono::milliseconds kFirstRetry{1000};
    static constexpr std::chrono::milliseconds kLastRetry{30000};

    // Keeps the log in the given database, which outlives the logger.
    explicit RollLogger(KelvaneDatabase& database, QObject* parent = nullptr);
    ~RollLogger() override;

    // Writes the roll; rollKept tells its row once it is written.
    void Keep(const RollRecordPtr& roll);
    // The roll's standing among the totals its odds give, with its row.
    void KeepStanding(const RollRecordPtr& roll, const Distribution& odds);
    // After the damage, the rolls not yet written go into the fresh database.
    void ResumeKeeping();
    // The roll book's character, written with each roll from now on.
    void SetCharacter(const QString& character);

    // The log, or none when it could not be opened at all.
    [[nodiscard]] RollLog* Log() const { return log_.get(); }
    // False while writes wait for a log that cannot be written.
    [[nodiscard]] bool Keeping() const { return keeping_; }
    // When this session began, in milliseconds since 1970 (UTC).
    [[nodiscard]] qint64 SessionStart() const { return sessionStart_; }

    // Notes in the roll's row how far it got on its way to the table; refusal is Discord's
    // reason. A row id of 0 (a roll that was not kept) is passed over.
    void MarkShare(qint64 rowId, kelvane::ShareState state, const QString& refusal = {});

    // The band's sentence for a log that cannot be written.
    [[nodiscard]] static QString NotKeptSentence();

  signals:
    // A roll was written, or its standing.
    void logChanged();
    // The roll was kept in the row rowId.
    void rollKept(const kelvane::RollRecordPtr& roll, qint64 rowId);
    // The band's sentence on the log: NotKeptSentence() while rolls are not kept, else empty.
    void keepingChanged(const QString& sentence);

  private:
    // A write still to be made: the roll's row, then its standing and its share state, each
    // where its flag says so. row.id is the row's once it is written.
    struct Waiting {
        std::weak_ptr<const RollRecord> roll;
        LoggedRoll row{};
        bool add = false;
        bool standing = false;
        bool share = false;
    };

    void Wait(Waiting waiting);
    // Makes the waiting writes, oldest first, until one fails.
    void WriteWaiting();
    [[nodiscard]] bool WriteOne(Waiting& waiting);
    void ShowKeeping(bool keeping);

    KelvaneDatabase& database_;
    std::unique_ptr<RollLog> log_;
    std::string character_;
    qint64 sessionStart_ = 0;
    bool keeping_ = true;
    bool writing_ = false;
    std::deque<Waiting> waiting_;
    std::size_t waitingBytes_ = 0;
    QTimer retry_;
    std::chrono::milliseconds nextRetry_ = kFirstRetry;
    // The newest roll written, whose odds may still come.
    std::weak_ptr<const RollRecord> lastRoll_;
    std::int64_t lastRowId_ = 0;
};

}  // namespace kelvane
