#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/DiceEngine.h"
#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "engine/RollRecord.h"
#include "platform/CaptionTarget.h"
#include "platform/ListTarget.h"
#include "platform/RandomSource.h"
#include "platform/qt/QtCaption.h"
#include "platform/qt/QtCheckBox.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/RollListModel.h"
#include "platform/qt/ScreenReaderAnnouncer.h"
#include "session/RollSession.h"

class QEvent;
class QLineEdit;

namespace Ui {
class formKelvane;
}

namespace kelvane {

// The main window: seven die buttons with their count boxes, the generic MdN roller, the roll
// list, the total and the clipboard option. Its controls are reached by objectName. Each roll
// goes to the session, and the window shows what the session says of it.
class formKelvane : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(formKelvane)

  public:
    // Rolls with the process's one random source.
    explicit formKelvane(RollSession& session, QWidget* parent = nullptr);
    formKelvane(RollSession& session, RandomSource& random, QWidget* parent = nullptr);
    ~formKelvane() override;

    RollRecord sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                         CaptionTarget& tOut);
    [[nodiscard]] float RollDie(const std::int16_t& n);

    // Why a notation cannot be rolled, in the player's language, such as "Column 4: a number
    // of sides should follow d."
    [[nodiscard]] static QString ErrorSentence(const notation::Error& error);

    // The band's line on sharing with the table, such as "Shared"; a failure is announced.
    void ShowTableStatus(const QString& text, bool sharing, bool failed);
    // Says in the band what became of the roll log, such as that rolls are not being kept;
    // an empty sentence clears it.
    void ShowLogMessage(const QString& sentence);

    // The roll book's character, who makes the window's rolls.
    [[nodiscard]] QString Character() const;

  public slots:
    // Rolls the text exactly as if it had been typed into the notation box and rolled there.
    void RollNotationText(const QString& text);

  signals:
    // The player asked for the Table dialog.
    void tableRequested();
    // The band's Log button asks for the Roll log window.
    void logRequested();
    // The window has been painted for the first time: what need not be there for it to show
    // may be set up now.
    void firstPainted();

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
    // Rolls the notation box, from its Roll button or Enter.
    void RollNotationBox();
    // Forgets a sentence about the notation once the player changes it.
    void NotationEdited();

    // Rolls the count in countBox with the given sides.
    void RollDieButton(const QLineEdit& countBox, std::int16_t sides);
    // Has a screen reader speak the roll just shown, for example "3d6: 11".
    void AnnounceResult(const RollRecord& roll);
    // What follows every roll: the session takes it, its caption is fitted to the frame, and
    // it is announced.
    void ShowRoll(RollRecord&& roll);
    // The result frame's caption for a roll's name, such as "Result: 3d6".
    [[nodiscard]] static QString CaptionOf(std::string_view rollName);
    // Shows the result frame's caption whole, or cut with "..." and whole in its tool tip.
    void FitResultCaption(const QString& caption);
    // Shows what the roll means in the player's game system, or nothing for a roll without.
    void ShowOutcome(const RollRecord& roll);
    // Shows the odds of the roll last shown: their line and their chart, or for a roll with
    // outcomes the chance of each.
    void ShowOdds(const RollRecordPtr& roll, const Distribution& odds,
                  const OutcomeChances& outcomes);
    // Says beside the notation box, and to a screen reader as an alert, what stopped a roll.
    void ShowNotationMessage(const QString& sentence);
    // Up and Down in the notation box walk through the session's notations.
    bool RecallNotation(int key);
    // Makes the roll list's first line current if a roll came since the list last had the
    // focus, and has a screen reader speak the current line.
    void SpeakCurrentLine();
    // Shows the roll book of the fresh database that replaced a damaged one.
    void ShowDatabaseAfresh(bool bookCarriedOver);

    std::unique_ptr<Ui::formKelvane> ui;
    RollSession& session_;
    RandomSource& random_;
    RollListModel rollList_;
    QtCaption resultFrame_;
    QtCaption total_;
    QtCheckBox copyOption_;
    QtClipboard clipboard_;
    DiceEngine engine_;
    ScreenReaderAnnouncer announcer_;
    ScreenReaderAnnouncer alertAnnouncer_;
    bool rolledSinceListFocus_ = false;
    bool painted_ = false;
};

}  // namespace kelvane
