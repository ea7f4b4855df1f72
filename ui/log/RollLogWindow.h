#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/RollLog.h"
#include "ui/log/RollLogModel.h"

class QEvent;

namespace Ui {
class RollLogWindow;
}

namespace kelvane {

class RollLogger;

// The "Roll log" window: every kept roll, newest first, narrowed by character, period and a
// search; the luck of the rows shown; and rolling again, copying, removing and exporting them.
class RollLogWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollLogWindow)

  public:
    // rollAgain rolls a notation in the main window, as if typed into its notation box.
    RollLogWindow(RollLogger& logger, std::function<void(const QString&)> rollAgain,
                  QWidget* parent = nullptr);
    ~RollLogWindow() override;

    // Shows the window where it was last, brought to the front.
    void ShowWindow();

  protected:
    // Reads the log again when activated, for the rolls of other Kelvane windows, and keeps
    // the window's size and place when it is hidden.
    bool event(QEvent* event) override;

  private:
    void FillCharacters();
    void FillPeriods();
    [[nodiscard]] RollLogFilter Filter() const;
    // Reads the log again under the filter, keeping the current row, the selected rows and the
    // place scrolled to where the filter still shows them.
    void Refresh();
    // Shows the luck of the rows the filter shows: at once where it is kept, else once a worker
    // thread has summed it, the line keeping the previous figures meanwhile.
    void ShowLuck(const RollLogFilter& filter);
    void ShowSums(const RollLogSums& sums);
    [[nodiscard]] std::vector<int> SelectedRows() const;
    void RollAgain();
    void CopyRows();
    void DeleteRows();
    void ClearLog();
    void Export();

    std::unique_ptr<Ui::RollLogWindow> ui;
    RollLogger& logger_;
    std::function<void(const QString&)> rollAgain_;
    RollLogModel model_;
    QTimer refreshTimer_;
    // Counts the luck lines asked for, so that a newer filter's drops an older one's.
    quint64 luckRequests_ = 0;
    bool placed_ = false;
};

}  // namespace kelvane
