#include "ui/log/RollLogModel.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/qt/QtText.h"
#include "session/OutcomeNames.h"

namespace kelvane {

namespace {

// Rows read at a time: a few screens, read in well under a frame.
constexpr std::size_t kPageSize = 256;

}  // namespace

RollLogModel::RollLogModel(QObject* parent) : QAbstractTableModel(parent) {}

void RollLogModel::Show(RollLog* log, const RollLogFilter& filter) {
    log_ = log;
    filter_ = filter;
    Reload();
}

void RollLogModel::Reload() {
    beginResetModel();
    rows_.clear();
    complete_ = log_ == nullptr;
    endResetModel();
    if (canFetchMore({})) {
        fetchMore({});
    }
}

int RollLogModel::RowOfId(std::int64_t id) {
    for (;;) {
        // Newest first: the ids fall row by row.
        const auto found = std::lower_bound(
            rows_.begin(), rows_.end(), id,
            [](const LoggedRoll& roll, std::int64_t wanted) { return roll.id > wanted; });
        if (found != rows_.end()) {
            return found->id == id ? static_cast<int>(found - rows_.begin()) : -1;
        }
        if (!canFetchMore({})) {
            return -1;
        }
        fetchMore({});
    }
}

void RollLogModel::ReadRows(int rows) {
    while (rowCount() < rows && canFetchMore({})) {
        fetchMore({});
    }
}

int RollLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RollLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

bool RollLogModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_;
}

void RollLogModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || complete_) {
        return;
    }
    std::vector<LoggedRoll> page;
    try {
        page = log_->Page(filter_, rows_.empty() ? std::nullopt : std::optional(rows_.back().id),
                          kPageSize);
    } catch (const std::exception&) {
        // An unreadable log shows what was read of it.
    }
    complete_ = page.size() < kPageSize;
    if (page.empty()) {
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(page.begin()),
                 std::make_move_iterator(page.end()));
    endInsertRows();
}

QString RollLogModel::StandingText(const LoggedRoll& roll) {
    if (!roll.standing) {
        return {};
    }
    const QLocale locale;
    const double share = *roll.standing;
    const bool top = share > 0.5;
    const long percent = std::lround((top ? 1.0 - share : share) * 100.0);
    const QString figure =
        percent < 1 ? QStringLiteral("< ") + locale.toString(1) : locale.toString(percent);
    //: A rolled total's standing among the totals its roll can show: only 12 % of rolls go
    //: higher. %1 is the number.
    QString text = top ? tr("top %1 %").arg(figure)
                       //: Only 30 % of rolls go lower. %1 is the number.
                       : tr("bottom %1 %").arg(figure);
    return roll.approximate ? QStringLiteral("≈ ") + text : text;
}

QString RollLogModel::SharedText(const LoggedRoll& roll) {
    switch (roll.share) {
        case ShareState::kShared:
            //: The roll log's Shared column: the roll reached the table's Discord channel.
            return tr("yes");
        case ShareState::kWaiting:
            //: The roll log's Shared column: the roll waits in the outbox to be posted.
            return tr("waiting");
        case ShareState::kRefused:
            return ToQString(roll.shareRefusal);
        case ShareState::kNotShared:
            break;
    }
    return {};
}

QString RollLogModel::OutcomeText(const LoggedRoll& roll) {
    if (!roll.outcome) {
        return {};
    }
    const LoggedOutcome& outcome = *roll.outcome;
    return OutcomeNames::Text(outcome.id, outcome.name, outcome.count, outcome.countWord);
}

QString RollLogModel::Line(const LoggedRoll& roll) {
    const QString line =
        QStringLiteral("%1: %2 = %3")
            .arg(ToQString(roll.notation), ToQString(roll.dice), QString::number(roll.total));
    return roll.outcome ? line + QStringLiteral(" · ") + OutcomeText(roll) : line;
}

QString RollLogModel::TimeText(const LoggedRoll& roll) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(roll.rolledAt).toLocalTime();
    return QLocale().toString(local, QLocale::ShortFormat);
}

QVariant RollLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const LoggedRoll& roll = Row(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == kTotal) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
        case kTime:
            return TimeText(roll);
        case kCharacter:
            return ToQString(roll.character);
        case kRoll:
            return ToQString(roll.label.empty() ? roll.notation : roll.label);
        case kDice:
            return ToQString(roll.dice);
        case kTotal:
            return QLocale().toString(static_cast<qlonglong>(roll.total));
        case kOutcome:
            return OutcomeText(roll);
        case kStanding:
            return StandingText(roll);
        case kShared:
            return SharedText(roll);
        default:
            return {};
    }
}

QVariant RollLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kTime:
            //: Column of the roll log: when the roll was made.
            return tr("Time");
        case kCharacter:
            //: Column of the roll log: the roll book's character who rolled.
            return tr("Character");
        case kRoll:
            //: Column of the roll log: the roll's label, or its dice notation.
            return tr("Roll");
        case kDice:
            //: Column of the roll log: each die's value, as on the clipboard.
            return tr("Dice");
        case kTotal:
            //: Column of the roll log: the roll's total.
            return tr("Total");
        case kOutcome:
            //: Column of the roll log: what the roll meant in its game system or its bands,
            //: such as "Partial" or "Strong hit".
            return tr("Outcome");
        case kStanding:
            //: Column of the roll log: how the total stands among the totals the roll can show.
            return tr("Standing");
        case kShared:
            //: Column of the roll log: whether the roll reached the table's Discord channel.
            return tr("Shared");
        default:
            return {};
    }
}

}  // namespace kelvane
