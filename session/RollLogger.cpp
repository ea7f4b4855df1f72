#include "session/RollLogger.h"

#include <QDateTime>
#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <variant>

#include "engine/RollStanding.h"
#include "platform/rolllog/SqliteRollLog.h"
#include "platform/storage/KelvaneDatabase.h"

namespace kelvane {

namespace {

std::size_t BytesOf(const LoggedRoll& row) {
    const std::size_t outcome = row.outcome ? row.outcome->id.size() + row.outcome->name.size() : 0;
    return sizeof(row) + row.character.size() + row.label.size() + row.notation.size() +
           row.dice.size() + row.shareRefusal.size() + outcome;
}

// A system's outcome is kept by its id alone, which names it in any language.
std::optional<LoggedOutcome> LoggedOutcomeOf(const RollRecord& roll) {
    if (!roll.outcome) {
        return std::nullopt;
    }
    const notation::RolledOutcome& outcome = *roll.outcome;
    return LoggedOutcome{.id = outcome.id,
                         .name = outcome.id.empty() ? outcome.name : std::string(),
                         .count = outcome.count,
                         .countWord = outcome.countWord};
}

// Where the roll is read under a skill, the lower total stands the higher.
Better BetterOf(const RollRecord& roll) {
    const notation::Reading* reading = ReadingOf(roll);
    return reading != nullptr && reading->lowerIsBetter ? Better::kLower : Better::kHigher;
}

// Whether the write is of that roll. A write holds its roll weakly, so that rolls waiting to
// be written keep only the text of their dice, not the dice.
bool IsOf(const std::weak_ptr<const RollRecord>& written, const RollRecordPtr& roll) {
    return !written.owner_before(roll) && !roll.owner_before(written) && !written.expired();
}

}  // namespace

RollLogger::RollLogger(KelvaneDatabase& database, QObject* parent)
    : QObject(parent), database_(database), sessionStart_(QDateTime::currentMSecsSinceEpoch()) {
    try {
        log_ = std::make_unique<SqliteRollLog>(database.Connection());
        keeping_ = database.OpenedState() != KelvaneDatabase::State::kCannotSave;
    } catch (const std::exception&) {
        log_.reset();
        keeping_ = false;
    }
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &RollLogger::WriteWaiting);
}

RollLogger::~RollLogger() = default;

void RollLogger::SetCharacter(const QString& character) { character_ = character.toStdString(); }

QString RollLogger::NotKeptSentence() {
    //: In the main window's band when the roll log's file cannot be written.
    return tr("Rolls are not being kept: the roll log cannot be written.");
}

void RollLogger::Keep(const RollRecordPtr& roll) {
    Waiting waiting{.roll = roll, .add = true};
    waiting.row.rolledAt = QDateTime::currentMSecsSinceEpoch();
    waiting.row.character = character_;
    waiting.row.label = roll->label;
    waiting.row.notation = roll->name;
    waiting.row.dice = ChatDice(*roll, kLoggedDice);
    waiting.row.total = roll->total;
    waiting.row.outcome = LoggedOutcomeOf(*roll);
    if (waitingBytes_ + BytesOf(waiting.row) > kMaxWaitingBytes) {
        return;
    }
    Wait(std::move(waiting));
}

void RollLogger::KeepStanding(const RollRecordPtr& roll, const Distribution& odds) {
    // A roll not yet written takes its standing with it.
    const auto unwritten = std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& w) {
        return w.add && IsOf(w.roll, roll);
    });
    if (unwritten == waiting_.end() && (!IsOf(lastRoll_, roll) || lastRowId_ == 0)) {
        return;
    }
    const std::optional<Standing> standing = StandingOf(odds, roll->total, BetterOf(*roll));
    if (!standing) {
        return;
    }
    Waiting written{.roll = roll, .standing = true};
    written.row.id = lastRowId_;
    LoggedRoll& row = unwritten != waiting_.end() ? unwritten->row : written.row;
    row.standing = standing->share;
    row.spread = standing->spread;
    row.approximate = standing->approximate;
    if (unwritten != waiting_.end()) {
        unwritten->standing = true;
    } else {
        Wait(std::move(written));
    }
}

void RollLogger::MarkShare(qint64 rowId, ShareState state, const QString& refusal) {
    if (rowId == 0) {
        return;
    }
    Waiting mark{.roll = {}, .share = true};
    mark.row.id = rowId;
    mark.row.share = state;
    mark.row.shareRefusal = refusal.toStdString();
    Wait(std::move(mark));
}

void RollLogger::Wait(Waiting waiting) {
    if (!log_) {
        return;
    }
    waitingBytes_ += BytesOf(waiting.row);
    waiting_.push_back(std::move(waiting));
    WriteWaiting();
}

bool RollLogger::WriteOne(Waiting& waiting) {
    try {
        if (waiting.add) {
            waiting.row.id = log_->Add(waiting.row);
            waiting.add = false;
            lastRoll_ = waiting.roll;
            lastRowId_ = waiting.row.id;
            // A deque keeps its elements in place when a slot adds to it.
            if (const RollRecordPtr roll = waiting.roll.lock()) {
                emit rollKept(roll, waiting.row.id);
            }
        }
        if (waiting.standing) {
            log_->SetStanding(waiting.row.id, *waiting.row.standing, waiting.row.spread,
                              waiting.row.approximate);
            waiting.standing = false;
        }
        if (waiting.share) {
            log_->SetShareState(waiting.row.id, waiting.row.share, waiting.row.shareRefusal);
            waiting.share = false;
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void RollLogger::WriteWaiting() {
    // A write's signal may add another: the loop below takes it.
    if (writing_ || waiting_.empty()) {
        return;
    }
    writing_ = true;
    bool failed = false;
    bool wrote = false;
    while (!waiting_.empty() && !failed) {
        failed = !WriteOne(waiting_.front());
        if (!failed) {
            waitingBytes_ -= BytesOf(waiting_.front().row);
            waiting_.pop_front();
            wrote = true;
        }
    }
    writing_ = false;
    ShowKeeping(!failed);
    if (wrote) {
        emit logChanged();
    }
}

void RollLogger::ShowKeeping(bool keeping) {
    if (keeping) {
        retry_.stop();
        nextRetry_ = kFirstRetry;
    } else if (!retry_.isActive()) {
        retry_.start(nextRetry_);
        nextRetry_ = std::min(nextRetry_ * 2, kLastRetry);
    }
    if (keeping != keeping_) {
        emit keepingChanged(keeping ? QString() : NotKeptSentence());
    }
    keeping_ = keeping;
}

void RollLogger::ResumeKeeping() {
    // The rows already written were in the damaged file.
    lastRowId_ = 0;
    std::erase_if(waiting_, [this](const Waiting& waiting) {
        const bool gone = !waiting.add;
        waitingBytes_ -= gone ? BytesOf(waiting.row) : 0;
        return gone;
    });
    if (waiting_.empty()) {
        ShowKeeping(database_.OpenedState() != KelvaneDatabase::State::kCannotSave);
    } else {
        WriteWaiting();
    }
    emit logChanged();
}

}  // namespace kelvane
