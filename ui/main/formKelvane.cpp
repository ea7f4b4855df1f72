#include "ui/main/formKelvane.h"

#include <QAccessible>
#include <QByteArray>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMetaObject>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/CountConversion.h"
#include "platform/MersenneRandomSource.h"
#include "platform/qt/DefaultFont.h"
#include "platform/qt/QtText.h"
#include "platform/qt/UntrappedErrorHandler.h"
#include "platform/qt/WholeLineToolTips.h"
#include "session/OddsLine.h"
#include "session/OutcomeNames.h"
#include "ui/about/frmAbout.h"
#include "ui/main/RollBookPanel.h"
#include "ui_formKelvane.h"

namespace kelvane {

namespace {

constexpr qreal kCountBoxPointSize = 13.5;
constexpr qreal kDieButtonPointSize = 14.25;
// Many times the rows the list shows, yet laid out within a small part of a frame.
constexpr int kRollListBatch = 256;
// The outcome beside the odds line, against the window's font.
constexpr qreal kOutcomeFontScale = 1.6;

void SetPointSize(std::initializer_list<QWidget*> controls, qreal pointSize) {
    for (QWidget* control : controls) {
        QFont font = control->font();
        font.setPointSizeF(pointSize);
        control->setFont(font);
    }
}

// Builds the declared layout first, so that the adapters can hold on to its controls.
std::unique_ptr<Ui::formKelvane> BuildLayout(QWidget& window) {
    auto ui = std::make_unique<Ui::formKelvane>();
    // Narrow enough that "Clipboard" fits its 49 pixels. Set before the controls exist, so
    // that they are built in it instead of laid out again in the toolkit's font first.
    UseDefaultFont(window);
    ui->setupUi(&window);

    // Designer files hold whole point sizes only.
    SetPointSize(
        {ui->md4, ui->md6, ui->md8, ui->md10, ui->md12, ui->md20, ui->md100, ui->txtM, ui->txtN},
        kCountBoxPointSize);
    SetPointSize({ui->d4, ui->d6, ui->d8, ui->d10, ui->d12, ui->d20, ui->d100},
                 kDieButtonPointSize);
    return ui;
}

std::int16_t CountIn(const QLineEdit& box) {
    const QByteArray text = box.text().toUtf8();
    return ConvertCount(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace

formKelvane::formKelvane(RollSession& session, QWidget* parent)
    : formKelvane(session, ProcessRandomSource(), parent) {}

formKelvane::formKelvane(RollSession& session, RandomSource& random, QWidget* parent)
    : QWidget(parent),
      ui(BuildLayout(*this)),
      session_(session),
      random_(random),
      resultFrame_(*ui->frmResult),
      total_(*ui->totalresult),
      copyOption_(*ui->chkClip),
      engine_(random_, resultFrame_, copyOption_, clipboard_,
              [](std::string_view rollName) { return CaptionOf(rollName).toStdString(); }),
      announcer_(*this),
      alertAnnouncer_(*this, ScreenReaderAnnouncer::Urgency::Alert) {
    // The band below the declared controls grows, with the window, when a large font needs
    // more room than its declared height.
    QWidget& band = *ui->bandNotation;
    const int bandHeight = std::max(band.height(), band.minimumSizeHint().height());
    band.resize(band.width(), bandHeight);
    resize(width(), band.y() + bandHeight);

    ui->rolloutput->setModel(&rollList_);
    // A marked line, such as "d6-4 = 1 (dropped)", may be wider than the list.
    ui->rolloutput->setItemDelegate(new WholeLineToolTips(ui->rolloutput));
    // A roll of thousands of dice shows its first rows at once; the rows below are laid out in
    // the next turns of the event loop, a batch at a time: laid out in one pass, a million rows
    // hold the window for some 60 ms.
    ui->rolloutput->setLayoutMode(QListView::Batched);
    ui->rolloutput->setBatchSize(kRollListBatch);
    ui->rolloutput->installEventFilter(this);
    ui->txtNotation->installEventFilter(this);
    // Selectable by keyboard, but no Tab stop until the first roll gives it something to read.
    ui->lblOdds->setFocusPolicy(Qt::NoFocus);

    MarkWords words;
    //: After a die's value in the list: the die does not count toward the total.
    words.dropped = tr("dropped").toStdString();
    //: After a die's value in the list: the die showed a face that throws one more die.
    words.exploded = tr("exploded").toStdString();
    //: After a die's value in the list: the die was thrown again and this value does not count.
    words.rerolled = tr("rerolled").toStdString();
    //: After a die's value in the list: the die meets the roll's target and counts as one.
    words.success = tr("success").toStdString();
    //: After a die's value in the list: the die counts as a failure and takes one away.
    words.failure = tr("failure").toStdString();
    engine_.SetMarkWords(std::move(words));
    engine_.SetOutcomeWording(&OutcomeNames::Words);
    // The outcome is what the player looks for first: large enough to read at a glance.
    QFont outcomeFont = ui->lblOutcome->font();
    outcomeFont.setPointSizeF(outcomeFont.pointSizeF() * kOutcomeFontScale);
    ui->lblOutcome->setFont(outcomeFont);
    ui->lblOutcome->hide();
    ui->chartOutcomes->hide();

    connect(ui->d4, &QPushButton::clicked, this, &formKelvane::d4_Click);
    connect(ui->d6, &QPushButton::clicked, this, &formKelvane::d6_Click);
    connect(ui->d8, &QPushButton::clicked, this, &formKelvane::d8_Click);
    connect(ui->d10, &QPushButton::clicked, this, &formKelvane::d10_Click);
    connect(ui->d12, &QPushButton::clicked, this, &formKelvane::d12_Click);
    connect(ui->d20, &QPushButton::clicked, this, &formKelvane::d20_Click);
    connect(ui->d100, &QPushButton::clicked, this, &formKelvane::d100_Click);
    connect(ui->btnMdN, &QPushButton::clicked, this, &formKelvane::btnMdN_Click);
    connect(ui->btnClear, &QPushButton::clicked, this, &formKelvane::btnClear_Click);
    connect(ui->btnSeed, &QPushButton::clicked, this, &formKelvane::btnSeed_Click);
    connect(ui->about, &QPushButton::clicked, this, &formKelvane::about_Click);
    connect(ui->btnNotation, &QPushButton::clicked, this, &formKelvane::RollNotationBox);
    connect(ui->txtNotation, &QLineEdit::returnPressed, this, &formKelvane::RollNotationBox);
    connect(ui->txtNotation, &QLineEdit::textChanged, this, &formKelvane::NotationEdited);
    connect(ui->btnTable, &QPushButton::clicked, this, &formKelvane::tableRequested);
    connect(ui->btnLog, &QPushButton::clicked, this, &formKelvane::logRequested);

    connect(ui->panelRollBook, &RollBookPanel::rollRequested, this, &formKelvane::RollNotationText);
    connect(ui->panelRollBook, &RollBookPanel::messageShown, this,
            &formKelvane::ShowNotationMessage);
    // The roll book's character makes the rolls: the log names it, and the table hears it.
    connect(ui->panelRollBook, &RollBookPanel::characterChanged, &session_,
            &RollSession::SetCharacter);
    connect(&session_, &RollSession::oddsReady, this, &formKelvane::ShowOdds);
    connect(&session_, &RollSession::databaseStartedAfresh, this, &formKelvane::ShowDatabaseAfresh);
    connect(&session_.Logger(), &RollLogger::keepingChanged, this, &formKelvane::ShowLogMessage);
    ui->panelRollBook->Open(session_.Database(), *ui->txtNotation);
    session_.SetCharacter(Character());
    if (!session_.Logger().Keeping()) {
        ShowLogMessage(RollLogger::NotKeptSentence());
    }
}

formKelvane::~formKelvane() = default;

bool formKelvane::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // Queued, so that the painted frame reaches the screen first.
        QMetaObject::invokeMethod(this, &formKelvane::firstPainted, Qt::QueuedConnection);
    }
    return handled;
}

void formKelvane::ShowDatabaseAfresh(bool bookCarriedOver) {
    ui->panelRollBook->Open(session_.Database(), *ui->txtNotation);
    if (bookCarriedOver) {
        // The panel's sentence would say the book was lost with the file.
        //: %1 is the full name of the damaged file, kept for recovery.
        ShowNotationMessage(tr("The roll book's file was damaged; it was copied to %1, and the "
                               "book was carried over to a new file.")
                                .arg(QDir::toNativeSeparators(
                                    QString::fromStdString(session_.Database().MovedAsideTo()))));
    }
}

QString formKelvane::Character() const { return ui->panelRollBook->Character(); }

RollRecord formKelvane::sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                                  CaptionTarget& tOut) {
    return engine_.sRollDice(m, n, lOut, tOut);
}

float formKelvane::RollDie(const std::int16_t& n) { return engine_.RollDie(n); }

void formKelvane::d4_Click() { RollDieButton(*ui->md4, 4); }
void formKelvane::d6_Click() { RollDieButton(*ui->md6, 6); }
void formKelvane::d8_Click() { RollDieButton(*ui->md8, 8); }
void formKelvane::d10_Click() { RollDieButton(*ui->md10, 10); }
void formKelvane::d12_Click() { RollDieButton(*ui->md12, 12); }
void formKelvane::d20_Click() { RollDieButton(*ui->md20, 20); }
void formKelvane::d100_Click() { RollDieButton(*ui->md100, 100); }

void formKelvane::RollDieButton(const QLineEdit& countBox, std::int16_t sides) {
    UntrappedErrorHandler::Run(this, [&] {
        const std::int16_t count = CountIn(countBox);
        ShowRoll(sRollDice(count, sides, rollList_, total_));
    });
}

void formKelvane::btnMdN_Click() {
    UntrappedErrorHandler::Run(this, [&] {
        // The sides first: a sides text out of range ends the roll before the count is read.
        const std::int16_t sides = CountIn(*ui->txtN);
        const std::int16_t count = CountIn(*ui->txtM);
        ShowRoll(sRollDice(count, sides, rollList_, total_));
    });
}

void formKelvane::RollNotationText(const QString& text) {
    ui->txtNotation->setText(text);
    RollNotationBox();
}

void formKelvane::RollNotationBox() {
    UntrappedErrorHandler::Run(this, [&] {
        const QString text = ui->txtNotation->text();
        if (!text.trimmed().isEmpty()) {
            session_.RememberNotation(text.trimmed());
        }
        const QByteArray utf8 = text.toUtf8();
        auto shown = engine_.RollNotation(
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), rollList_,
            total_);
        if (const auto* error = std::get_if<notation::Error>(&shown)) {
            ShowNotationMessage(ErrorSentence(*error));
            return;
        }
        ShowNotationMessage(QString());
        ShowRoll(std::get<RollRecord>(std::move(shown)));
    });
}

void formKelvane::ShowLogMessage(const QString& sentence) {
    ui->lblLogMessage->setText(sentence);
    ui->btnLog->setAccessibleDescription(sentence);
}

void formKelvane::ShowRoll(RollRecord&& rolled) {
    auto roll = std::make_shared<const RollRecord>(std::move(rolled));
    rolledSinceListFocus_ = true;
    session_.Take(roll);
    FitResultCaption(CaptionOf(DiceName(*roll)));
    ShowOutcome(*roll);
    AnnounceResult(*roll);
}

void formKelvane::ShowTableStatus(const QString& text, bool sharing, bool failed) {
    // Spoken once when sharing fails, not again with each roll that waits after it.
    if (failed && !text.isEmpty() && text != ui->lblTableStatus->text()) {
        alertAnnouncer_.Announce(text);
    }
    ui->lblTableStatus->setText(text);
    ui->btnTable->setAccessibleDescription(text);
    ui->lblTableStatus->setEnabled(sharing || failed);
}

void formKelvane::NotationEdited() {
    ui->lblNotationMessage->clear();
    ui->txtNotation->setAccessibleDescription(QString());
}

void formKelvane::ShowNotationMessage(const QString& sentence) {
    ui->lblNotationMessage->setText(sentence);
    ui->txtNotation->setAccessibleDescription(sentence);
    if (!sentence.isEmpty()) {
        alertAnnouncer_.Announce(sentence);
    }
}

bool formKelvane::RecallNotation(int key) {
    const std::optional<QString> recalled = key == Qt::Key_Up
                                                ? session_.History().Older(ui->txtNotation->text())
                                                : session_.History().Newer();
    if (recalled) {
        ui->txtNotation->setText(*recalled);
    }
    return true;
}

QString formKelvane::CaptionOf(std::string_view rollName) {
    //: The result frame's caption after a roll: %1 is the roll, such as 3d6.
    return tr("Result: %1").arg(ToQString(rollName));
}

void formKelvane::FitResultCaption(const QString& caption) {
    QGroupBox& frame = *ui->frmResult;
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = caption;
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    const QFontMetrics metrics = frame.fontMetrics();
    const int padding = label.width() - metrics.horizontalAdvance(caption);
    const int room = frame.width() - 2 * label.left() - padding;
    const QString shown = metrics.elidedText(caption, Qt::ElideRight, room);
    const bool cut = shown != caption;
    frame.setTitle(shown);
    frame.setToolTip(cut ? caption : QString());
    frame.setAccessibleName(cut ? caption : QString());
}

void formKelvane::AnnounceResult(const RollRecord& roll) {
    const QString name = ToQString(DiceName(roll));
    if (roll.outcome) {
        //: Spoken after a roll with an outcome: the roll, its total and what it means, such
        //: as "bitd 3: 5, Partial".
        announcer_.Announce(
            tr("%1: %2, %3")
                .arg(name, QString::number(roll.total), OutcomeNames::Text(*roll.outcome)));
        return;
    }
    //: Spoken after a roll: the roll, such as 3d6, then its total.
    announcer_.Announce(tr("%1: %2").arg(name, QString::number(roll.total)));
}

bool formKelvane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtNotation && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            return RecallNotation(key);
        }
    }
    if (watched == ui->rolloutput && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        // Qt tells a screen reader of the list itself after its focus-in, and that hides any
        // line made current during it: the line is spoken once the focus has settled.
        QMetaObject::invokeMethod(this, &formKelvane::SpeakCurrentLine, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void formKelvane::SpeakCurrentLine() {
    QListView& list = *ui->rolloutput;
    if (!list.hasFocus() || rollList_.rowCount() == 0) {
        return;
    }
    const QModelIndex first = rollList_.index(0);
    const bool fromFirst = rolledSinceListFocus_ || !list.currentIndex().isValid();
    rolledSinceListFocus_ = false;
    if (fromFirst && list.currentIndex() != first) {
        // Qt speaks a new current line itself.
        list.setCurrentIndex(first);
        return;
    }
    QAccessibleEvent focus(&list, QAccessible::Focus);
    focus.setChild(list.currentIndex().row());
    QAccessible::updateAccessibility(&focus);
}

void formKelvane::btnClear_Click() {
    UntrappedErrorHandler::Run(this, [&] { rollList_.RemoveAllItems(); });
}

void formKelvane::btnSeed_Click() {
    UntrappedErrorHandler::Run(this, [&] { random_.Reseed(); });
}

void formKelvane::about_Click() {
    UntrappedErrorHandler::Run(this, [] { frmAbout::Instance().ShowDialog(); });
}

}  // namespace kelvane
