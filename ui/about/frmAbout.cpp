#include "frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
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

#include "DefaultFont.h"
#include "SystemRegistry.h"
#include "ui_frmAbout.h"

namespace kelvane {

namespace {

constexpr qreal kTitlePointSize = 15.75;
constexpr QPoint kFirstPosition(156, 129);

void SetColour(QWidget& control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control.palette();
    palette.setColor(role, colour);
    control.setPalette(palette);
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
    SetColour(*ui->lblTitle, QPalette::WindowText, QColor(0, 0, 255));
    SetColour(*ui->lblDescription, QPalette::WindowText, Qt::black);
    SetColour(*ui->lblDisclaimer, QPalette::WindowText, Qt::black);
    // The etched rule: a grey line with a white one just below it.
    SetColour(*ui->Line1_1, QPalette::Window, QColor(128, 128, 128));
    SetColour(*ui->Line1_0, QPalette::Window, Qt::white);

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
    const QString title = QApplication::applicationDisplayName();
    setWindowTitle(QStringLiteral("About ") + title);
    const QVersionNumber version = QVersionNumber::fromString(QApplication::applicationVersion());
    ui->lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                .arg(version.majorVersion())
                                .arg(version.minorVersion())
                                .arg(version.microVersion()));
    ui->lblTitle->setText(QApplication::applicationDisplayName());
    emit loaded();
}

void frmAbout::cmdOK_Click() { hide(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::reject() { cmdOK_Click(); }

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
