#include "ui/log/RollLogWindow.h"

#include <QAction>
#include <QByteArray>
#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMessageBox>
#include <QScrollBar>
#include <QStringList>
#include <QTimeZone>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <exception>
#include <optional>

#include "platform/qt/QtText.h"
#include "session/OutcomeNames.h"
#include "session/RollLogger.h"
#include "ui/log/LogExport.h"
#include "ui/log/LogPeriod.h"
#include "ui/log/LuckLine.h"
#include "ui_RollLogWindow.h"

namespace kelvane {

namespace {

constexpr int kRowPadding = 6;
// The widest of the Roll, Outcome and Shared columns, in average characters: a notation with
// bands, a long band's name or a refusal is read whole in its tool tip; the dice keep the room.
constexpr int kTextColumnChars = 24;
constexpr int kRefreshDelayMilliseconds = 100;

QAction& AddAction(QWidget& owner, const QKeySequence& keys, Qt::ShortcutContext context) {
    auto* action = new QAction(&owner);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    owner.addAction(action);
    return *action;
}

}  // namespace

RollLogWindow::RollLogWindow(RollLogger& logger, std::function<void(const QString&)> rollAgain,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui(std::make_unique<Ui::RollLogWindow>()),
      logger_(logger),
      rollAgain_(std::move(rollAgain)) {
    ui->setupUi(this);
    ui->tblLog->setModel(&model_);
    ui->tblLog->horizontalHeader()->setStretchLastSection(false);
    ui->tblLog->horizontalHeader()->setSectionResizeMode(RollLogModel::kDice, QHeaderView::Stretch);
    ui->tblLog->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tblLog->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    FillPeriods();
    FillCharacters();

    connect(ui->cboCharacter, &QComboBox::currentIndexChanged, this, &RollLogWindow::Refresh);
    connect(ui->cboPeriod, &QComboBox::currentIndexChanged, this, &RollLogWindow::Refresh);
    connect(ui->txtSearch, &QLineEdit::textChanged, this, &RollLogWindow::Refresh);
    connect(ui->btnRollAgain, &QPushButton::clicked, this, &RollLogWindow::RollAgain);
    connect(ui->btnCopy, &QPushButton::clicked, this, &RollLogWindow::CopyRows);
    connect(ui->btnDelete, &QPushButton::clicked, this, &RollLogWindow::DeleteRows);
    connect(ui->btnClearLog, &QPushButton::clicked, this, &RollLogWindow::ClearLog);
    connect(ui->btnExport, &QPushButton::clicked, this, &RollLogWindow::Export);
    connect(ui->tblLog, &QTableView::activated, this, &RollLogWindow::RollAgain);
    connect(&AddAction(*this, QKeySequence(Qt::CTRL | Qt::Key_R), Qt::WindowShortcut),
            &QAction::triggered, this, &RollLogWindow::RollAgain);
    connect(&AddAction(*ui->tblLog, QKeySequence::Copy, Qt::WidgetShortcut), &QAction::triggered,
            this, &RollLogWindow::CopyRows);
    connect(&AddAction(*ui->tblLog, QKeySequence::Delete, Qt::WidgetShortcut), &QAction::triggered,
            this, &RollLogWindow::DeleteRows);
    // Read again a moment after a burst of rolls, and after the rolls are painted.
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshDelayMilliseconds);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            Refresh();
        }
    });
    connect(&logger_, &RollLogger::logChanged, &refreshTimer_, qOverload<>(&QTimer::start));
    Refresh();
}

RollLogWindow::~RollLogWindow() = default;

void RollLogWindow::ShowWindow() {
    if (!placed_ && logger_.Log() != nullptr) {
        placed_ = true;
        try {
            const std::string place = logger_.Log()->WindowPlace();
            restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(place)));
        } catch (const std::exception&) {
            // The window opens at its own size.
        }
    }
    FillCharacters();
    Refresh();
    for (const int column :
         {RollLogModel::kTime, RollLogModel::kCharacter, RollLogModel::kRoll, RollLogModel::kTotal,
          RollLogModel::kOutcome, RollLogModel::kStanding, RollLogModel::kShared}) {
        ui->tblLog->resizeColumnToContents(column);
    }
    const int widest = fontMetrics().averageCharWidth() * kTextColumnChars;
    for (const int column : {RollLogModel::kRoll, RollLogModel::kOutcome, RollLogModel::kShared}) {
        if (ui->tblLog->columnWidth(column) > widest) {
            ui->tblLog->setColumnWidth(column, widest);
        }
    }
    show();
    raise();
    activateWindow();
    // The newest roll is current, so that Ctrl+R and Ctrl+C act on it at once.
    ui->tblLog->setFocus();
    if (!ui->tblLog->selectionModel()->hasSelection() && model_.rowCount() > 0) {
        ui->tblLog->selectRow(0);
    }
}

bool RollLogWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        Refresh();
    }
    if (event->type() == QEvent::Hide && logger_.Log() != nullptr) {
        try {
            logger_.Log()->SetWindowPlace(saveGeometry().toBase64().toStdString());
        } catch (const std::exception&) {
            // A log that cannot be written keeps no place either.
        }
    }
    return QWidget::event(event);
}

void RollLogWindow::FillPeriods() {
    //: Period of the roll log: the rolls since Kelvane started.
    ui->cboPeriod->addItem(tr("This session"), static_cast<int>(LogPeriod::kSession));
    //: Period of the roll log: the rolls since midnight.
    ui->cboPeriod->addItem(tr("Today"), static_cast<int>(LogPeriod::kToday));
    //: Period of the roll log: today and the six days before it.
    ui->cboPeriod->addItem(tr("Last 7 days"), static_cast<int>(LogPeriod::kLastSevenDays));
    //: Period of the roll log: every roll kept.
    ui->cboPeriod->addItem(tr("All"), static_cast<int>(LogPeriod::kAll));
    ui->cboPeriod->setCurrentIndex(ui->cboPeriod->count() - 1);
}

void RollLogWindow::FillCharacters() {
    const QSignalBlocker blocker(ui->cboCharacter);
    const QVariant chosen = ui->cboCharacter->currentData();
    ui->cboCharacter->clear();
    //: Character filter of the roll log: rolls of every character.
    ui->cboCharacter->addItem(tr("Everyone"));
    if (logger_.Log() != nullptr) {
        try {
            for (const std::string& name : logger_.Log()->Characters()) {
                ui->cboCharacter->addItem(
                    //: Character filter: rolls made with no character chosen.
                    name.empty() ? tr("No character") : ToQString(name), ToQString(name));
            }
        } catch (const std::exception&) {
            // Only "Everyone" then.
        }
    }
    const int index = chosen.isValid() ? ui->cboCharacter->findData(chosen) : 0;
    ui->cboCharacter->setCurrentIndex(std::max(index, 0));
}

RollLogFilter RollLogWindow::Filter() const {
    RollLogFilter filter;
    const QVariant character = ui->cboCharacter->currentData();
    if (character.isValid()) {
        filter.character = character.toString().toStdString();
    }
    filter.since = PeriodStart(static_cast<LogPeriod>(ui->cboPeriod->currentData().toInt()),
                               QDateTime::currentDateTime(), QTimeZone::systemTimeZone(),
                               logger_.SessionStart());
    const QString search = ui->txtSearch->text().trimmed();
    filter.search = search.toStdString();
    if (!search.isEmpty()) {
        filter.outcomeIds = OutcomeNames::IdsNaming(search);
    }
    return filter;
}

void RollLogWindow::Refresh() {
    const QModelIndex current = ui->tblLog->currentIndex();
    // Ids count from 1.
    const std::int64_t currentId = current.isValid() ? model_.Row(current.row()).id : 0;
    std::vector<std::int64_t> selectedIds;
    for (const QModelIndex& index : ui->tblLog->selectionModel()->selectedRows()) {
        selectedIds.push_back(model_.Row(index.row()).id);
    }
    const int rowsRead = model_.rowCount();
    const int scrolledTo = ui->tblLog->verticalScrollBar()->value();

    const RollLogFilter filter = Filter();
    model_.Show(logger_.Log(), filter);

    model_.ReadRows(rowsRead);
    QItemSelection selection;
    for (const std::int64_t id : selectedIds) {
        const int row = model_.RowOfId(id);
        if (row >= 0) {
            selection.select(model_.index(row, 0),
                             model_.index(row, RollLogModel::kColumnCount - 1));
        }
    }
    ui->tblLog->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int currentRow = currentId > 0 ? model_.RowOfId(currentId) : -1;
    if (currentRow >= 0) {
        ui->tblLog->selectionModel()->setCurrentIndex(model_.index(currentRow, current.column()),
                                                      QItemSelectionModel::NoUpdate);
    }
    ui->tblLog->verticalScrollBar()->setValue(scrolledTo);
    ShowLuck(filter);
}

void RollLogWindow::ShowLuck(const RollLogFilter& filter) {
    const quint64 request = ++luckRequests_;
    RollLogSums sums;
    if (logger_.Log() != nullptr) {
        try {
            if (auto elsewhere = logger_.Log()->SumsElsewhere(filter)) {
                auto* watcher = new QFutureWatcher<std::optional<RollLogSums>>(this);
                connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
                    watcher->deleteLater();
                    const std::optional<RollLogSums> summed = watcher->result();
                    if (request == luckRequests_) {
                        ShowSums(summed.value_or(RollLogSums{}));
                    }
                });
                watcher->setFuture(QtConcurrent::run(
                    [elsewhere = std::move(elsewhere)]() -> std::optional<RollLogSums> {
                        try {
                            return elsewhere();
                        } catch (const std::exception&) {
                            return std::nullopt;
                        }
                    }));
                return;
            }
            sums = logger_.Log()->Sums(filter);
        } catch (const std::exception&) {
            // Nothing to weigh.
        }
    }
    ShowSums(sums);
}

void RollLogWindow::ShowSums(const RollLogSums& sums) {
    ui->lblLuck->setText(LuckLine::Text(sums));
    ui->lblLuck->setAccessibleName(ui->lblLuck->text());
    ui->chartLuck->SetTenths(sums.tenths);
}

std::vector<int> RollLogWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : ui->tblLog->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    if (rows.empty() && ui->tblLog->currentIndex().isValid()) {
        rows.push_back(ui->tblLog->currentIndex().row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RollLogWindow::RollAgain() {
    const QModelIndex current = ui->tblLog->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const LoggedRoll& roll = model_.Row(current.row());
    QString notation = ToQString(roll.notation);
    if (!roll.label.empty()) {
        notation += QStringLiteral(" # ") + ToQString(roll.label);
    }
    rollAgain_(notation);
}

void RollLogWindow::CopyRows() {
    QStringList lines;
    for (const int row : SelectedRows()) {
        lines << RollLogModel::Line(model_.Row(row));
    }
    if (!lines.isEmpty()) {
        QGuiApplication::clipboard()->setText(lines.join('\n'));
    }
}

void RollLogWindow::DeleteRows() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty() || logger_.Log() == nullptr) {
        return;
    }
    const QString question =
        rows.size() == 1
            //: Asked before a row leaves the roll log; the roll book keeps its saved rolls.
            ? tr("Remove this roll from the log?")
            //: Asked before rows leave the roll log; %n is how many (never one).
            : tr("Remove %n rolls from the log?", nullptr, static_cast<int>(rows.size()));
    if (QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes) {
        return;
    }
    std::vector<std::int64_t> ids;
    for (const int row : rows) {
        ids.push_back(model_.Row(row).id);
    }
    try {
        logger_.Log()->Remove(ids);
    } catch (const std::exception&) {
        QMessageBox::warning(this, windowTitle(), RollLogger::NotKeptSentence());
    }
    FillCharacters();
    Refresh();
}

void RollLogWindow::ClearLog() {
    if (logger_.Log() == nullptr) {
        return;
    }
    //: Asked before the whole roll log is emptied; the roll book keeps its saved rolls.
    const QString question = tr("Remove every roll from the log? The roll book stays as it is.");
    if (QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes) {
        return;
    }
    // A long log is emptied on a worker's connection, the window going on meanwhile: rolls
    // made then wait in the logger for its write lock.
    std::function<void()> elsewhere = logger_.Log()->ClearElsewhere();
    const auto clear = [elsewhere, log = logger_.Log()] {
        try {
            elsewhere ? elsewhere() : log->Clear();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    };
    const auto cleared = [this](bool done) {
        ui->btnClearLog->setEnabled(true);
        if (!done) {
            QMessageBox::warning(this, windowTitle(), RollLogger::NotKeptSentence());
        }
        FillCharacters();
        Refresh();
    };
    ui->btnClearLog->setEnabled(false);
    if (!elsewhere) {
        cleared(clear());
        return;
    }
    auto* watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, cleared] {
        watcher->deleteLater();
        cleared(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(clear));
}

void RollLogWindow::Export() {
    if (logger_.Log() == nullptr) {
        return;
    }
    //: File type in the export's save dialog.
    const QString csv = tr("CSV table (*.csv)");
    //: File type in the export's save dialog.
    const QString markdown = tr("Markdown table (*.md)");
    QString type = csv;
    //: Title of the export's save dialog.
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the roll log"),
                                                      tr("roll-log") + QStringLiteral(".csv"),
                                                      csv + QStringLiteral(";;") + markdown, &type);
    if (path.isEmpty()) {
        return;
    }
    const auto format = type == markdown || path.endsWith(QStringLiteral(".md"))
                            ? LogExport::Format::kMarkdown
                            : LogExport::Format::kCsv;
    if (!LogExport::Write(*logger_.Log(), Filter(), path, format)) {
        //: The export could not be written; %1 is the file's name.
        QMessageBox::warning(this, windowTitle(), tr("Could not write %1.").arg(path));
    }
}

}  // namespace kelvane
