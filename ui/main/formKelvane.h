#pragma once

#include <QFuture>
#include <QString>
#include <QThreadPool>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "CaptionTarget.h"
#include "DiceEngine.h"
#include "Distribution.h"
#include "KelvaneDatabase.h"
#include "ListTarget.h"
#include "Notation.h"
#include "NotationHistory.h"
#include "QtCaption.h"
#include "QtCheckBox.h"
#include "QtClipboard.h"
#include "RandomSource.h"
#include "RollListModel.h"
#include "ScreenReaderAnnouncer.h"

class QEvent;
class QLineEdit;

namespace Ui {
class formKelvane;
}

namespace kelvane {

// The main window: seven die buttons with their count boxes, the generic MdN roller, the roll
// list, the total and the clipboard option. Its controls are reached by objectName.
class formKelvane : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(formKelvane)

  public:
    // Rolls with the process's one random source.
    explicit formKelvane(QWidget* parent = nullptr);
    explicit formKelvane(RandomSource& random, QWidget* parent = nullptr);
    ~formKelvane() override;

    RollShown sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                        CaptionTarget& tOut);
    [[nodiscard]] float RollDie(const std::int16_t& n);

    // Why a notation cannot be rolled, in the player's language, such as "Column 4: a number
    // of sides should follow d."
    [[nodiscard]] static QString ErrorSentence(const notation::Error& error);
    // The odds line for a rolled total, such as "15 or more: 42.13 %  ·  15 or less: 65.33 %
    // ·  average 12.24  ·  3 to 18", in the player's language and number format; a roll whose
    // dice explode reads "3 and up" instead of a range.
    [[nodiscard]] static QString OddsText(const Distribution& odds, std::int64_t total);

    // The band's line on sharing with the table, such as "Shared"; a failure is announced.
    void ShowTableStatus(const QString& text, bool sharing, bool failed);
    // Says in the band what became of the roll log, such as that rolls are not being kept;
    // an empty sentence clears it.
    void ShowLogMessage(const QString& sentence);

    // The roll book's character, who makes the window's rolls.
    [[nodiscard]] QString Character() const;

    // Kelvane's database, opened with the window and shared by everything it keeps.
    [[nodiscard]] KelvaneDatabase& Database() { return *database_; }

  public slots:
    // Rolls the text exactly as if it had been typed into the notation box and rolled there.
    void RollNotationText(const QString& text);

  signals:
    // The roll book's character changed, by choice or by a new name.
    void characterChanged(const QString& name);
    // Every roll, from the die buttons, MdN or notation, as soon as its outputs are written;
    // rollNumber counts the window's rolls from 1.
    void rollShown(quint64 rollNumber, const kelvane::RollShown& roll);
    // The odds of the roll rollNumber, once they are worked out. A roll made before they are
    // ready may replace them, so not every roll gets its odds.
    void oddsShown(quint64 rollNumber, const kelvane::Distribution& odds);
    // The player asked for the Table dialog.
    void tableRequested();
    // The band's Log button asks for the Roll log window.
    void logRequested();
    // The window has been painted for the first time: what need not be there for it to show
    // may be set up now.
    void firstPainted();
    // The database was found damaged and started afresh, or refuses writes since.
    void databaseStartedAfresh();

  protected:
    // Watches the roll list take the focus and the notation box's Up and Down.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Notices the first paint.
    bool event(QEvent* event) override;

  private:
    void d4_Click();
    void d6_Click();
    void d8_Click();
    void d10_Click();
    void d12_Click();
    void d20_Click();
    void d100_Click();
    void btnMdN_Click();
    void btnClear_Click();
    void btnSeed_Click();
    void about_Click();
    void btnNotation_Click();
    // Forgets a sentence about the notation once the player changes it.
    void txtNotation_Change();

    // Rolls the count in countBox with the given sides.
    void RollDieButton(const QLineEdit& countBox, std::int16_t sides);
    // Has a screen reader speak the roll just shown, for example "3d6: 11".
    void AnnounceResult(const RollShown& roll);
    // What follows every roll: its caption fitted to the frame, its announcement, and its
    // odds once they are worked out.
    void ShowRoll(const RollShown& roll, std::function<Distribution()> odds);
    // Shows the result frame's caption whole, or cut with "..." and whole in its tool tip.
    void FitResultCaption();
    // Works out the odds of the roll just shown on a worker thread, so that the window goes
    // on painting the roll and taking input meanwhile.
    void WorkOutOdds(std::function<Distribution()> odds, std::int64_t total);
    // A roll's odds as a worker thread leaves them: the distribution, or what stopped it.
    struct WorkedOutOdds {
        std::optional<Distribution> odds;
        std::exception_ptr error;
    };
    // Shows the odds of roll rollNumber, unless a newer roll has come since.
    void ShowOdds(quint64 rollNumber, std::int64_t total, const QFuture<WorkedOutOdds>& future);
    // Says beside the notation box, and to a screen reader as an alert, what stopped a roll.
    void ShowNotationMessage(const QString& sentence);
    // Up and Down in the notation box walk through the session's notations.
    bool RecallNotation(int key);
    // Makes the roll list's first line current if a roll came since the list last had the
    // focus, and has a screen reader speak the current line.
    void SpeakCurrentLine();
    // Once the window is on screen: the database's whole file is read through on a worker
    // thread, and firstPainted is emitted.
    void AfterFirstPaint();
    // Keeps the damaged database aside and shows the fresh database that replaces it, holding
    // the old one's roll book when that can still be read whole.
    void StartDatabaseAfresh();

    std::future<std::unique_ptr<KelvaneDatabase>> openingDatabase_;
    std::unique_ptr<Ui::formKelvane> ui;
    std::unique_ptr<KelvaneDatabase> database_;
    RandomSource& random_;
    RollListModel rollList_;
    QtCaption resultFrame_;
    QtCaption total_;
    QtCheckBox copyOption_;
    QtClipboard clipboard_;
    DiceEngine engine_;
    ScreenReaderAnnouncer announcer_;
    ScreenReaderAnnouncer alertAnnouncer_;
    NotationHistory history_;
    quint64 rollNumber_ = 0;
    // Cancelled when a newer roll comes before a worker has started on it.
    QFuture<WorkedOutOdds> latestOdds_;
    bool rolledSinceListFocus_ = false;
    bool painted_ = false;
    bool afreshQueued_ = false;
    // Set when the window goes, so that a check of a large file gives up.
    std::atomic_bool stopChecking_{false};
    QThreadPool databaseChecker_;
    // Declared last, so destroyed first: it waits for the odds being worked out.
    QThreadPool oddsWorkers_;
};

}  // namespace kelvane
