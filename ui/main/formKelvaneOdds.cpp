#include <QFutureWatcher>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <utility>

#include "UntrappedErrorHandler.h"
#include "formKelvane.h"
#include "ui_formKelvane.h"

// The window's odds: worked out on a worker thread for each roll, and shown when they are ready.
namespace kelvane {

void formKelvane::WorkOutOdds(std::function<Distribution()> odds, std::int64_t total) {
    // Odds still waiting for a worker would only be dropped once worked out.
    latestOdds_.cancel();
    latestOdds_ = QtConcurrent::run(&oddsWorkers_, [odds = std::move(odds)] {
        WorkedOutOdds worked;
        try {
            worked.odds = odds();
        } catch (...) {
            // Rethrown on the window's thread, where the untrapped error handler reports it.
            worked.error = std::current_exception();
        }
        return worked;
    });
    auto* watcher = new QFutureWatcher<WorkedOutOdds>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, rollNumber = rollNumber_, total] {
                watcher->deleteLater();
                ShowOdds(rollNumber, total, watcher->future());
            });
    watcher->setFuture(latestOdds_);
}

void formKelvane::ShowOdds(quint64 rollNumber, std::int64_t total,
                           const QFuture<WorkedOutOdds>& future) {
    // A newer roll's odds are on their way; these would show a roll no longer shown.
    if (rollNumber != rollNumber_ || future.resultCount() == 0) {
        return;
    }
    UntrappedErrorHandler::Run(this, [&] {
        const WorkedOutOdds& worked = future.result();
        if (worked.error) {
            std::rethrow_exception(worked.error);
        }
        const Distribution& odds = *worked.odds;
        const QString text = OddsText(odds, total);
        ui->lblOdds->setText(text);
        // A Tab stop once it has something to read.
        ui->lblOdds->setFocusPolicy(Qt::StrongFocus);
        ui->chartDistribution->SetDistribution(odds, total);
        // Read on request, not spoken on its own: the roll's announcement says enough.
        ui->chartDistribution->setAccessibleDescription(text);
        emit oddsShown(rollNumber, odds);
    });
}

}  // namespace kelvane
