#include "formKelvane.h"

#include <QAccessible>
#include <QByteArray>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMetaObject>
#include <QPushButton>
#include <initializer_list>

#include "CountConversion.h"
#include "DefaultFont.h"
#include "MersenneRandomSource.h"
#include "UntrappedErrorHandler.h"
#include "frmAbout.h"
#include "ui_formKelvane.h"

namespace kelvane {

namespace {

constexpr qreal kCountBoxPointSize = 13.5;
constexpr qreal kDieButtonPointSize = 14.25;
// Many times the rows the list shows, yet laid out within a small part of a frame.
constexpr int kRollListBatch = 256;

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

formKelvane::formKelvane(QWidget* parent) : formKelvane(ProcessRandomSource(), parent) {}

formKelvane::formKelvane(RandomSource& random, QWidget* parent)
    : QWidget(parent),
      ui(BuildLayout(*this)),
      random_(random),
      resultFrame_(*ui->frmResult),
      total_(*ui->totalresult),
      copyOption_(*ui->chkClip),
      // The frame's own caption, in the player's language, names each roll as well.
      engine_(random_, resultFrame_, copyOption_, clipboard_, ui->frmResult->title().toStdString()),
      announcer_(*this) {
    ui->rolloutput->setModel(&rollList_);
    // A roll of thousands of dice shows its first rows at once; the rows below are laid out in
    // the next turns of the event loop, a batch at a time.
    ui->rolloutput->setLayoutMode(QListView::Batched);
    ui->rolloutput->setBatchSize(kRollListBatch);
    ui->rolloutput->installEventFilter(this);

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
}

formKelvane::~formKelvane() = default;

void formKelvane::sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                            CaptionTarget& tOut) {
    engine_.sRollDice(m, n, lOut, tOut);
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
        sRollDice(count, sides, rollList_, total_);
        rolledSinceListFocus_ = true;
        AnnounceResult();
    });
}

void formKelvane::btnMdN_Click() {
    UntrappedErrorHandler::Run(this, [&] {
        // The sides first: a sides text out of range ends the roll before the count is read.
        const std::int16_t sides = CountIn(*ui->txtN);
        const std::int16_t count = CountIn(*ui->txtM);
        sRollDice(count, sides, rollList_, total_);
        rolledSinceListFocus_ = true;
        AnnounceResult();
    });
}

void formKelvane::AnnounceResult() {
    // The frame names the roll as "Result: 3d6"; the speech leaves out the "Result: ".
    const QString rollName = ui->frmResult->title().section(QStringLiteral(": "), 1);
    //: Spoken after a roll: the roll, such as 3d6, then its total.
    announcer_.Announce(tr("%1: %2").arg(rollName, ui->totalresult->text()));
}

bool formKelvane::eventFilter(QObject* watched, QEvent* event) {
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
