#include "ui/about/frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QVersionNumber>
#include <algorithm>
#include <cmath>

#include "platform/qt/ColourContrast.h"
#include "platform/qt/DefaultFont.h"
#include "platform/registry/SystemRegistry.h"
#include "ui_frmAbout.h"

namespace kelvane {

namespace {

constexpr qreal kTitlePointSize = 15.75;
constexpr QPoint kFirstPosition(156, 129);

const QColor kTitleBlue(0, 0, 255);
const QColor kEtchShadow(128, 128, 128);
constexpr double kTitleContrast = 4.5;

void SetColour(QWidget& control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control.palette();
    palette.setColor(role, colour);
    control.setPalette(palette);
}

// The title's blue, lightened towards white just enough to stand out on a dark ground.
QColor TitleBlueOn(const QColor& ground) {
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const float weight = static_cast<float>(step) / kSteps;
        const QColor blue = QColor::fromRgbF(weight, weight, 1.0F);
        if (Contrast(blue, ground) >= kTitleContrast) {
            return blue;
        }
    }
    return Qt::white;
}

frmAbout* sharedInstance = nullptr;

}  // namespace

frmAbout& frmAbout::Instance() {
    if (sharedInstance == nullptr) {
        sharedInstance = new frmAbout;
        // Widgets must go before the application object does.
        connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete sharedInstance;
            sharedInstance = nullptr;
        });
    }
    return *sharedInstance;
}

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmAbout>()),
      registry_(SystemRegistry()),
      messages_(this),
      launcher_(*registry_, files_, starter_, messages_) {
    ui->setupUi(this);
    UseDefaultFont(*this);
    setFixedSize(size());
    // Closing the main window ends the program, whatever state this dialog is in.
    setAttribute(Qt::WA_QuitOnClose, false);

    QFont titleFont = ui->lblTitle->font();
    titleFont.setPointSizeF(kTitlePointSize);
    ui->lblTitle->setFont(titleFont);
    ApplyColours();

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowDialog() {
    if (!isLoaded_) {
        const QPoint screenCorner = QGuiApplication::primaryScreen()->geometry().topLeft();
        setGeometry(QRect(screenCorner + kFirstPosition, size()));
        ui->cmdOK->setFocus();
        Form_Load();
        isLoaded_ = true;
    }
    show();
    activateWindow();
}

void frmAbout::Form_Load() {
    WriteApplicationTexts();
    emit loaded();
}

void frmAbout::WriteApplicationTexts() {
    const QString title = QApplication::applicationDisplayName();
    //: Caption of this dialog; %1 is the program's name, Kelvane.
    setWindowTitle(tr("About %1").arg(title));
    const QVersionNumber version = QVersionNumber::fromString(QApplication::applicationVersion());
    ui->lblVersion->setText(tr("Version %1.%2.%3")
                                .arg(version.majorVersion())
                                .arg(version.minorVersion())
                                .arg(version.microVersion()));
    ui->lblTitle->setText(QApplication::applicationDisplayName());
    // Screen readers leave out labels of fewer than three words when they read a dialog out;
    // with the title in front the version is read.
    ui->lblVersion->setAccessibleName(title + QLatin1Char(' ') + ui->lblVersion->text());
}

void frmAbout::cmdOK_Click() { hide(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ApplyColours();
    } else if (event->type() == QEvent::LanguageChange) {
        // The one shared dialog outlives a change of language.
        ui->retranslateUi(this);
        if (isLoaded_) {
            WriteApplicationTexts();
        }
    }
}

void frmAbout::ApplyColours() {
    const QPalette& colours = palette();
    const QColor ground = colours.color(QPalette::Window);
    const QColor text = colours.color(QPalette::WindowText);
    if (ground.lightness() >= text.lightness()) {
        SetColour(*ui->lblTitle, QPalette::WindowText, kTitleBlue);
        SetColour(*ui->lblDescription, QPalette::WindowText, Qt::black);
        SetColour(*ui->lblDisclaimer, QPalette::WindowText, Qt::black);
        // The etched rule: a grey line with a white one just below it.
        SetColour(*ui->Line1_1, QPalette::Window, kEtchShadow);
        SetColour(*ui->Line1_0, QPalette::Window, Qt::white);
    } else {
        // Pure blue and black would all but vanish on a dark ground.
        SetColour(*ui->lblTitle, QPalette::WindowText, TitleBlueOn(ground));
        SetColour(*ui->lblDescription, QPalette::WindowText, text);
        SetColour(*ui->lblDisclaimer, QPalette::WindowText, text);
        // The palette's own shadow and highlight etch the rule.
        SetColour(*ui->Line1_1, QPalette::Window, colours.color(QPalette::Dark));
        SetColour(*ui->Line1_0, QPalette::Window, colours.color(QPalette::Light));
    }
}

void frmAbout::closeEvent(QCloseEvent* event) {
    isLoaded_ = false;
    event->accept();
}

void frmAbout::StartSysInfo() noexcept { launcher_.StartSysInfo(); }

bool frmAbout::GetKeyValue(const std::uint32_t& KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    return launcher_.GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

}  // namespace kelvane
