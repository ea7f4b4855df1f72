#include "ui/main/RollBookPanel.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTreeWidgetItem>
#include <algorithm>
#include <string_view>
#include <variant>

#include "engine/Notation.h"
#include "platform/qt/QtText.h"
#include "platform/storage/SqliteRollBook.h"
#include "ui/main/RollBookFile.h"
#include "ui/main/formKelvane.h"
#include "ui_RollBookPanel.h"

namespace kelvane {

namespace {

// The text a saved roll rolls: its notation, labelled with its name where that differs.
QString RollText(const SavedRoll& roll) {
    return roll.name == roll.notation ? ToQString(roll.notation)
                                      : ToQString(roll.notation) + " # " + ToQString(roll.name);
}

}  // namespace

RollBookPanel::RollBookPanel(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::RollBookPanel>()) {
    ui->setupUi(this);
    ui->lstRollBook->installEventFilter(this);
    connect(ui->cboCharacter, &QComboBox::currentIndexChanged, this,
            &RollBookPanel::ChooseCharacter);
    connect(ui->cboCharacter, &QComboBox::currentTextChanged, this,
            &RollBookPanel::characterChanged);
    connect(ui->btnNewCharacter, &QPushButton::clicked, this,
            &RollBookPanel::NewCharacter);
    connect(ui->btnRenameCharacter, &QPushButton::clicked, this,
            &RollBookPanel::RenameCharacter);
    connect(ui->btnDeleteCharacter, &QPushButton::clicked, this,
            &RollBookPanel::DeleteCharacter);
    connect(ui->btnSaveRoll, &QPushButton::clicked, this, &RollBookPanel::SaveRoll);
    connect(ui->btnImport, &QPushButton::clicked, this, &RollBookPanel::ImportBook);
    connect(ui->btnExport, &QPushButton::clicked, this, &RollBookPanel::ExportBook);
    connect(ui->lstRollBook, &QTreeWidget::itemClicked, this,
            [this](const QTreeWidgetItem* item) { RollRow(item); });
    connect(ui->lstRollBook, &QTreeWidget::itemChanged, this, &RollBookPanel::lstRollBook_Rename);
}

RollBookPanel::~RollBookPanel() = default;

void RollBookPanel::Open(KelvaneDatabase& database, const QLineEdit& notationBox) {
    book_ = std::make_unique<SqliteRollBook>(database.Connection());
    notationBox_ = &notationBox;
    // Opened again when the database started afresh: nothing of the old book is chosen or
    // can be undone.
    character_ = 0;
    removed_.clear();
    // The book follows changes from other windows each time this one comes to the front.
    window()->installEventFilter(this);
    Reload();
    const QString state = DatabaseStateSentence(database);
    if (!state.isEmpty()) {
        emit messageShown(state);
    }
}

template <typename Change>
bool RollBookPanel::Store(Change change) {
    try {
        change();
        return true;
    } catch (const StorageError& error) {
        emit messageShown(CannotSaveSentence(error.Code()));
        return false;
    }
}

QString RollBookPanel::Character() const { return ui->cboCharacter->currentText(); }

void RollBookPanel::Reload() {
    std::vector<BookCharacter> characters;
    std::optional<std::int64_t> last;
    const bool read = Store([&] {
        characters = book_->Characters();
        if (characters.empty()) {
            //: The one character of a new roll book.
            const auto player = book_->AddCharacter(tr("Player").toStdString());
            characters.push_back({player.value_or(0), tr("Player").toStdString()});
        }
        last = book_->LastCharacter();
    });
    if (!read) {
        return;
    }
    if (character_ == 0 && last) {
        character_ = *last;
    }
    const QSignalBlocker blocker(ui->cboCharacter);
    ui->cboCharacter->clear();
    int current = 0;
    for (const auto& character : characters) {
        if (character.id == character_) {
            current = ui->cboCharacter->count();
        }
        ui->cboCharacter->addItem(ToQString(character.name), QVariant::fromValue(character.id));
    }
    ui->cboCharacter->setCurrentIndex(current);
    character_ = characters[static_cast<std::size_t>(current)].id;
    ShowRolls(CurrentRollId());
}

void RollBookPanel::ShowRolls(std::int64_t selectRoll) {
    if (!Store([&] { rolls_ = book_->Rolls(character_); })) {
        rolls_.clear();
    }
    QTreeWidget& list = *ui->lstRollBook;
    const QSignalBlocker blocker(list);
    list.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rolls_.size()));
    QTreeWidgetItem* selected = nullptr;
    for (const auto& roll : rolls_) {
        auto* item = new QTreeWidgetItem({ToQString(roll.name), ToQString(roll.notation)});
        item->setData(0, Qt::UserRole, QVariant::fromValue(roll.id));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        // A screen reader speaks the row's name and notation.
        item->setData(0, Qt::AccessibleTextRole,
                      ToQString(roll.name) + QStringLiteral(", ") + ToQString(roll.notation));
        if (roll.id == selectRoll) {
            selected = item;
        }
        items.append(item);
    }
    list.addTopLevelItems(items);
    list.resizeColumnToContents(1);
    if (selected != nullptr) {
        list.setCurrentItem(selected, 0);
    }
}

std::int64_t RollBookPanel::CurrentRollId() const {
    const QTreeWidgetItem* item = ui->lstRollBook->currentItem();
    return item != nullptr ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

void RollBookPanel::ChooseCharacter(int index) {
    if (index < 0) {
        return;
    }
    character_ = ui->cboCharacter->itemData(index).toLongLong();
    Store([&] { book_->SetLastCharacter(character_); });
    ShowRolls();
}

void RollBookPanel::NewCharacter() {
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, tr("New character"), tr("Name of the new character:"),
                              QLineEdit::Normal, QString(), &accepted)
            .trimmed();
    if (!accepted || name.isEmpty()) {
        return;
    }
    std::optional<std::int64_t> added;
    if (!Store([&] { added = book_->AddCharacter(name.toStdString()); })) {
        return;
    }
    if (!added) {
        emit messageShown(tr("The book already has a character named %1.").arg(name));
        return;
    }
    character_ = *added;
    Store([&] { book_->SetLastCharacter(character_); });
    Reload();
}

void RollBookPanel::RenameCharacter() {
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, tr("Rename character"), tr("New name of the character:"),
                              QLineEdit::Normal, ui->cboCharacter->currentText(), &accepted)
            .trimmed();
    if (!accepted || name.isEmpty() || name == ui->cboCharacter->currentText()) {
        return;
    }
    bool renamed = false;
    if (Store([&] { renamed = book_->RenameCharacter(character_, name.toStdString()); })) {
        if (!renamed) {
            emit messageShown(tr("The book already has a character named %1.").arg(name));
        }
        Reload();
    }
}

void RollBookPanel::DeleteCharacter() {
    const QString name = ui->cboCharacter->currentText();
    //: %1 is the character's name; %2 the number of its saved rolls.
    const QString question =
        tr("Delete %1 together with its saved rolls (%2)?")
            .arg(name, QLocale().toString(static_cast<qulonglong>(rolls_.size())));
    if (QMessageBox::question(this, tr("Delete character"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    if (Store([&] { book_->DeleteCharacter(character_); })) {
        character_ = 0;
        removed_.clear();
        Reload();
    }
}

void RollBookPanel::SaveRoll() {
    const QString text = notationBox_->text().trimmed();
    const QByteArray utf8 = text.toUtf8();
    const auto parsed =
        notation::Parse(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (const auto* error = std::get_if<notation::Error>(&parsed)) {
        emit messageShown(formKelvane::ErrorSentence(*error));
        return;
    }
    const std::string& label = std::get<notation::Expression>(parsed).label;
    const std::string notation = text.section(QLatin1Char('#'), 0, 0).trimmed().toStdString();
    const std::string name = label.empty() ? notation : label;
    // A roll the book already holds is selected, not saved twice: import skips it too.
    const auto held = std::find_if(rolls_.begin(), rolls_.end(), [&](const SavedRoll& roll) {
        return roll.name == name && roll.notation == notation;
    });
    if (held != rolls_.end()) {
        ShowRolls(held->id);
        //: %1 is the saved roll's name, such as Longsword.
        emit messageShown(tr("%1 is already in the roll book.").arg(ToQString(name)));
        return;
    }
    SavedRoll saved;
    if (Store([&] { saved = book_->AddRoll(character_, name, notation); })) {
        emit messageShown(QString());
        ShowRolls(saved.id);
    }
}

void RollBookPanel::RollRow(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const auto id = item->data(0, Qt::UserRole).toLongLong();
    for (const auto& roll : rolls_) {
        if (roll.id == id) {
            emit rollRequested(RollText(roll));
            return;
        }
    }
}

void RollBookPanel::lstRollBook_Rename(QTreeWidgetItem* item, int column) {
    const auto id = item->data(0, Qt::UserRole).toLongLong();
    const QString name = item->text(column).trimmed();
    if (column != 0 || name.isEmpty() ||
        !Store([&] { book_->RenameRoll(id, name.toStdString()); })) {
        ShowRolls(id);
        return;
    }
    // The row shows what the book holds, read back.
    QMetaObject::invokeMethod(
        this, [this, id] { ShowRolls(id); }, Qt::QueuedConnection);
}

void RollBookPanel::MoveCurrentRow(bool towardsTop) {
    const auto id = CurrentRollId();
    if (id != 0 && Store([&] { book_->MoveRoll(id, towardsTop); })) {
        ShowRolls(id);
    }
}

void RollBookPanel::RemoveCurrentRow() {
    QTreeWidgetItem* item = ui->lstRollBook->currentItem();
    if (item == nullptr) {
        return;
    }
    const auto index = static_cast<std::size_t>(ui->lstRollBook->indexOfTopLevelItem(item));
    const SavedRoll roll = rolls_.at(index);
    if (Store([&] { book_->RemoveRoll(roll.id); })) {
        removed_.push_back({character_, index, roll});
        const auto next = index + 1 < rolls_.size() ? rolls_[index + 1].id
                          : index > 0               ? rolls_[index - 1].id
                                                    : 0;
        ShowRolls(next);
    }
}

void RollBookPanel::UndoRemoval() {
    if (removed_.empty() || removed_.back().character != character_) {
        return;
    }
    const Removed last = removed_.back();
    SavedRoll restored;
    if (Store([&] {
            restored =
                book_->RestoreRoll(last.character, last.index, last.roll.name, last.roll.notation);
        })) {
        removed_.pop_back();
        ShowRolls(restored.id);
    }
}

bool RollBookPanel::HandleListKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool alt = modifiers == Qt::AltModifier;
    if (modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier) {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                RollRow(ui->lstRollBook->currentItem());
                return true;
            case Qt::Key_Delete:
                RemoveCurrentRow();
                return true;
            case Qt::Key_F2:
                if (QTreeWidgetItem* item = ui->lstRollBook->currentItem()) {
                    ui->lstRollBook->editItem(item, 0);
                }
                return true;
            default:
                return false;
        }
    }
    if (alt && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        MoveCurrentRow(key == Qt::Key_Up);
        return true;
    }
    if (modifiers == Qt::ControlModifier && key == Qt::Key_Z) {
        UndoRemoval();
        return true;
    }
    return false;
}

bool RollBookPanel::eventFilter(QObject* watched, QEvent* event) {
    // While a row is renamed, its keys go to the editor, not to the list.
    if (watched == ui->lstRollBook && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return HandleListKey(key->key(), key->modifiers());
    }
    if (watched == window() && event->type() == QEvent::WindowActivate && book_) {
        Reload();
    }
    return QWidget::eventFilter(watched, event);
}

void RollBookPanel::ExportBook() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    //: The file name offered for an exported roll book; keep it short, without blanks.
    const QString offered = folder + QLatin1Char('/') + tr("roll-book") + QStringLiteral(".json");
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the roll book"), offered,
                                                      tr("Roll books (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    std::vector<CharacterRolls> book;
    if (Store([&] { book = book_->Export(); })) {
        const QString error = RollBookFile::WriteFile(path, book);
        emit messageShown(
            error.isEmpty()
                ? tr("The roll book was written to %1.").arg(QDir::toNativeSeparators(path))
                : error);
    }
}

void RollBookPanel::ImportBook() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Import a roll book"), QString(),
                                                      tr("Roll books (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    const auto read = RollBookFile::ReadFile(path);
    if (const auto* refusal = std::get_if<QString>(&read)) {
        emit messageShown(*refusal);
        return;
    }
    ImportCounts counts;
    if (Store([&] { counts = book_->Import(std::get<std::vector<CharacterRolls>>(read)); })) {
        const QLocale locale;
        //: %1, %2 and %3 are numbers of characters and rolls.
        emit messageShown(tr("Imported: %1 new characters, %2 new rolls; %3 rolls were already in "
                        "the book.")
                         .arg(locale.toString(static_cast<qulonglong>(counts.characters_added)),
                              locale.toString(static_cast<qulonglong>(counts.rolls_added)),
                              locale.toString(static_cast<qulonglong>(counts.rolls_skipped))));
        Reload();
    }
}

QString RollBookPanel::DatabaseStateSentence(const KelvaneDatabase& database) {
    switch (database.OpenedState()) {
        case KelvaneDatabase::State::kSaved:
            return {};
        case KelvaneDatabase::State::kStartedAfresh:
            //: %1 is the full name of the damaged file, kept for recovery.
            return tr("The roll book was damaged; it was copied to %1 and a new book started.")
                .arg(QDir::toNativeSeparators(ToQString(database.MovedAsideTo())));
        case KelvaneDatabase::State::kCannotSave:
            return CannotSaveSentence(database.ProblemCode());
    }
    return {};
}

QString RollBookPanel::CannotSaveSentence(int code) {
    switch (ProblemOf(code)) {
        case StorageProblem::kDiskFull:
            return tr("The book cannot be saved: the disk is full. Rolling goes on.");
        case StorageProblem::kNewerVersion:
            return tr("The book cannot be saved: a newer Kelvane wrote it. Rolling goes on.");
        case StorageProblem::kReadOnly:
            return tr("The book cannot be saved: its folder cannot be written. Rolling goes on.");
        case StorageProblem::kOther:
            break;
    }
    return tr("The book cannot be saved: the disk reports an error. Rolling goes on.");
}

}  // namespace kelvane
