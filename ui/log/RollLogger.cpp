#include "RollLogger.h"

#include <QDateTime>
#include <exception>

#include "KelvaneDatabase.h"
#include "LogText.h"
#include "RollStanding.h"
#include "SqliteRollLog.h"
#include "formKelvane.h"

namespace kelvane {

RollLogger::RollLogger(KelvaneDatabase& database, QObject* parent)
    : QObject(parent), database_(database), sessionStart_(QDateTime::currentMSecsSinceEpoch()) {
    try {
        log_ = std::make_unique<SqliteRollLog>(database.Connection());
        keeping_ = database.OpenedState() != KelvaneDatabase::State::kCannotSave;
    } catch (const std::exception&) {
        log_.reset();
        keeping_ = false;
    }
}

RollLogger::~RollLogger() = default;

void RollLogger::Attach(formKelvane& window) {
    window_ = &window;
    connect(&window, &formKelvane::rollShown, this, &RollLogger::Write);
    connect(&window, &formKelvane::oddsShown, this, &RollLogger::WriteStanding);
    connect(&window, &formKelvane::databaseStartedAfresh, this, &RollLogger::ResumeKeeping);
    if (!keeping_) {
        window.ShowLogMessage(NotKeptSentence());
    }
}

void RollLogger::SetCharacter(const QString& character) { character_ = character.toStdString(); }

QString RollLogger::NotKeptSentence() {
    //: In the main window's band when the roll log's file cannot be written.
    return tr("Rolls are not being kept: the roll log cannot be written.");
}

void RollLogger::Write(quint64 rollNumber, const RollShown& roll) {
    lastRollNumber_ = rollNumber;
    lastRowId_ = 0;
    lastTotal_ = roll.total;
    if (!log_ || !keeping_) {
        return;
    }
    LoggedRoll row;
    row.rolledAt = QDateTime::currentMSecsSinceEpoch();
    row.character = character_;
    row.label = roll.label;
    row.notation = roll.name;
    row.dice = CutDiceText(roll.dice);
    row.total = roll.total;
    try {
        lastRowId_ = log_->Add(row);
    } catch (const std::exception&) {
        StopKeeping();
        return;
    }
    emit rollKept(rollNumber, lastRowId_);
    emit logChanged();
}

void RollLogger::MarkShare(qint64 rowId, ShareState state, const QString& refusal) {
    if (rowId == 0 || !log_ || !keeping_) {
        return;
    }
    try {
        log_->SetShareState(rowId, state, refusal.toStdString());
    } catch (const std::exception&) {
        StopKeeping();
        return;
    }
    emit logChanged();
}

void RollLogger::WriteStanding(quint64 rollNumber, const Distribution& odds) {
    if (!keeping_) {
        return;
    }
    if (rollNumber != lastRollNumber_ || lastRowId_ == 0) {
        return;
    }
    const std::optional<Standing> standing = StandingOf(odds, lastTotal_);
    if (!standing) {
        return;
    }
    try {
        log_->SetStanding(lastRowId_, standing->share, standing->spread, standing->approximate);
    } catch (const std::exception&) {
        StopKeeping();
        return;
    }
    emit logChanged();
}

void RollLogger::ResumeKeeping() {
    // The last roll's row was in the damaged file.
    lastRowId_ = 0;
    if (keeping_ || !log_ || database_.OpenedState() == KelvaneDatabase::State::kCannotSave) {
        return;
    }
    keeping_ = true;
    if (window_ != nullptr) {
        window_->ShowLogMessage(QString());
    }
    emit logChanged();
}

void RollLogger::StopKeeping() {
    keeping_ = false;
    if (window_ != nullptr) {
        window_->ShowLogMessage(NotKeptSentence());
    }
}

}  // namespace kelvane
