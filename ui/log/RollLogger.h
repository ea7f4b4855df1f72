#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "DiceEngine.h"
#include "Distribution.h"
#include "RollLog.h"

namespace kelvane {

class KelvaneDatabase;
class formKelvane;

// Writes every roll a window shows to the roll log, before the window paints it, and its
// standing once its odds are worked out. A log that cannot be written never stops a roll: the
// window's band says that rolls are not being kept.
class RollLogger : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollLogger)

  public:
    // Keeps the log in the given database, which outlives the logger.
    explicit RollLogger(KelvaneDatabase& database, QObject* parent = nullptr);
    ~RollLogger() override;

    // Logs the window's rolls, and tells its band when they are not kept.
    void Attach(formKelvane& window);
    // The roll book's character, written with each roll from now on.
    void SetCharacter(const QString& character);

    // The log, or none when it could not be opened at all.
    [[nodiscard]] RollLog* Log() const { return log_.get(); }
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
    // The window's roll rollNumber was kept in the row rowId.
    void rollKept(quint64 rollNumber, qint64 rowId);

  private:
    void Write(quint64 rollNumber, const RollShown& roll);
    void WriteStanding(quint64 rollNumber, const Distribution& odds);
    void StopKeeping();
    // After the damage that stopped it, the log goes on in the fresh database.
    void ResumeKeeping();

    KelvaneDatabase& database_;
    std::unique_ptr<RollLog> log_;
    formKelvane* window_ = nullptr;
    std::string character_;
    qint64 sessionStart_ = 0;
    bool keeping_ = true;
    quint64 lastRollNumber_ = 0;
    std::int64_t lastRowId_ = 0;
    std::int64_t lastTotal_ = 0;
};

}  // namespace kelvane
