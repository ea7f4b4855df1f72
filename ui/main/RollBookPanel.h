#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/RollBook.h"
#include "platform/storage/KelvaneDatabase.h"

class QLineEdit;
class QTreeWidgetItem;

namespace Ui {
class RollBookPanel;
}

namespace kelvane {

// The roll book beside the dice: a choice of character, that character's saved rolls (each
// rolled with one click, Enter or Space as if typed into the notation box), Save, and import
// and export of roll book files. Every change is stored before it shows; a change that cannot
// be stored is not shown, and the band's sentence says why.
class RollBookPanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollBookPanel)

  public:
    explicit RollBookPanel(QWidget* parent = nullptr);
    ~RollBookPanel() override;

    // Shows the book that the database holds, and says what opening the database came to;
    // again after the database started afresh.
    // Save reads the notation from notationBox.
    void Open(KelvaneDatabase& database, const QLineEdit& notationBox);
    // Reads the book again, for changes another Kelvane window made.
    void Reload();
    // The character whose rolls the book shows, and who makes the rolls.
    [[nodiscard]] QString Character() const;

    // What opening the database came to when it was damaged or cannot be written, or nothing
    // when all is well.
    [[nodiscard]] static QString DatabaseStateSentence(const KelvaneDatabase& database);
    // Why a change to the book could not be stored, from SQLite's result code.
    [[nodiscard]] static QString CannotSaveSentence(int code);

  signals:
    // A saved roll to roll, as the notation box would roll its text.
    void rollRequested(const QString& text);
    // A sentence for the band, such as why a notation was not saved; empty clears it.
    void messageShown(const QString& sentence);
    // Another character was chosen, or the chosen one renamed.
    void characterChanged(const QString& name);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Removed {
        std::int64_t character;
        std::size_t index;
        SavedRoll roll;
    };

    void ChooseCharacter(int index);
    void NewCharacter();
    void RenameCharacter();
    void DeleteCharacter();
    void SaveRoll();
    void ImportBook();
    void ExportBook();
    void lstRollBook_Rename(QTreeWidgetItem* item, int column);

    bool HandleListKey(int key, Qt::KeyboardModifiers modifiers);
    void RollRow(const QTreeWidgetItem* item);
    void MoveCurrentRow(bool towardsTop);
    void RemoveCurrentRow();
    void UndoRemoval();
    void ShowRolls(std::int64_t selectRoll = 0);
    [[nodiscard]] std::int64_t CurrentRollId() const;
    // Runs a change to the book; a failing store leaves the view as it was and says why.
    template <typename Change>
    bool Store(Change change);

    std::unique_ptr<Ui::RollBookPanel> ui;
    std::unique_ptr<RollBook> book_;
    const QLineEdit* notationBox_ = nullptr;
    std::int64_t character_ = 0;
    std::vector<SavedRoll> rolls_;
    std::vector<Removed> removed_;
};

}  // namespace kelvane
