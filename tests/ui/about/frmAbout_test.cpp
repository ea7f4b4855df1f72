#include "ui/about/frmAbout.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "session/RollSession.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"
#include "ui/main/formKelvane.h"

using kelvane::formKelvane;
using kelvane::frmAbout;

namespace {

const QPoint kFirstPosition(156, 129);

// Reads and closes each modal message box that appears while it exists.
class MessageWatcher {
  public:
    MessageWatcher() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->buttons().size();
                box->accept();
            }
        });
        poll_.start(10);
    }

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;

  private:
    QTimer poll_;
};

// Contrast ratio of two colours as the WCAG define it.
double Contrast(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(first), luminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The "darker" colour scheme of qt6ct: light text on a near-black ground.
QPalette DarkPalette() {
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x97, 0x97, 0x97));
    palette.setColor(QPalette::Dark, QColor(0x30, 0x2f, 0x2e));
    return palette;
}

}  // namespace

class frmAboutTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    void initTestCase() {
        QApplication::setApplicationName("Kelvane");
        QApplication::setApplicationVersion("1.0.0");
        // No system information program to be found unless a test puts one on the path.
        QVERIFY(noTools_.isValid());
        qputenv("PATH", QFile::encodeName(noTools_.path()));
        main_.show();
    }

    // Each test starts from a dialog that is not loaded.
    void init() {
        if (dialog_ != nullptr) {
            dialog_->close();
        }
    }

    void firstClickCreatesOneLoadedDialog() {
        QVERIFY(Dialogs().isEmpty());
        ClickAbout();
        QCOMPARE(Dialogs().size(), 1);
        dialog_ = qobject_cast<frmAbout*>(Dialogs().first());
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->windowTitle(), "About Kelvane");
        QCOMPARE(dialog_->geometry(), QRect(ScreenCorner() + kFirstPosition, QSize(382, 237)));
        QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
        QVERIFY(!dialog_->isModal());
        QCOMPARE(dialog_->parentWidget(), nullptr);
        QCOMPARE(dialog_->focusWidget(), &Find<QPushButton>("cmdOK"));
        QVERIFY(Find<QPushButton>("cmdOK").isDefault());
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("picIcon") << "picIcon" << QRect(16, 8, 36, 36) << "";
        QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 8, 259, 32) << "Kelvane";
        QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 52, 259, 15) << "Version 1.0.0";
        QTest::newRow("lblDescription")
            << "lblDescription" << QRect(70, 75, 259, 78)
            << "Kelvane provides the fantasy roll player and game master with all the rolling "
               "excitement they can handle.";
        QTest::newRow("Line1 grey") << "Line1_1" << QRect(6, 163, 371, 1) << "";
        QTest::newRow("Line1 white") << "Line1_0" << QRect(7, 164, 370, 2) << "";
        QTest::newRow("lblDisclaimer")
            << "lblDisclaimer" << QRect(17, 175, 258, 55)
            << "Pause your mouse over each item on the screen to get pop-up tool-tips on how to "
               "use the program...trust me its pretty simple.";
        QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 175, 84, 23) << "OK";
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 205, 83, 23) << "&System Info...";
    }

    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        ClickAbout();
        QWidget& control = Find<QWidget>(name);
        QCOMPARE(control.geometry(), geometry);
        QCOMPARE(control.toolTip(), "");
        if (auto* label = qobject_cast<QLabel*>(&control)) {
            QCOMPARE(label->text(), text);
            QVERIFY(label->alignment().testFlag(Qt::AlignLeft));
        } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
            QCOMPARE(button->text(), text);
        }
    }

    void looks() {
        ClickAbout();
        const auto& title = Find<QLabel>("lblTitle");
        QCOMPARE(title.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(title.font().family(), "Arial Black");
        QCOMPARE(title.font().pointSizeF(), 15.75);
        QCOMPARE(Find<QWidget>("Line1_1").palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(Find<QWidget>("Line1_0").palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(Find<QLabel>("picIcon").pixmap().size(), QSize(32, 32));
        QVERIFY(QImage(":/pictures/about-die.png").colorCount() <= 16);
    }

    // The declared colours on a light ground; readable ones on a dark ground, followed while the
    // dialog is open.
    void coloursFollowThePalette() {
        ClickAbout();
        const QPalette light = QApplication::palette();
        const auto colour = [this](const char* name, QPalette::ColorRole role) {
            return Find<QWidget>(name).palette().color(role);
        };
        QApplication::setPalette(DarkPalette());
        QCoreApplication::processEvents();
        const QColor ground(0x22, 0x20, 0x20);
        const QColor title = colour("lblTitle", QPalette::WindowText);
        QVERIFY2(Contrast(title, ground) >= 4.5, qPrintable(title.name()));
        QVERIFY(title.blue() > title.red() && title.blue() > title.green());
        QVERIFY(Contrast(colour("lblDescription", QPalette::WindowText), ground) >= 4.5);
        QVERIFY(Contrast(colour("lblDisclaimer", QPalette::WindowText), ground) >= 4.5);
        QCOMPARE(colour("Line1_1", QPalette::Window), QColor(0x30, 0x2f, 0x2e));
        QCOMPARE(colour("Line1_0", QPalette::Window), QColor(0x97, 0x97, 0x97));

        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(colour("lblTitle", QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(colour("lblDescription", QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(colour("lblDisclaimer", QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(colour("Line1_1", QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(colour("Line1_0", QPalette::Window), QColor(Qt::white));
    }

    // OK, Enter and Escape hide the dialog without unloading it: the next About shows it where
    // it was, without a second load step.
    void hideKeepsItLoaded_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void hideKeepsItLoaded() {
        QFETCH(int, key);
        ClickAbout();
        const QPoint movedTo = ScreenCorner() + QPoint(300, 200);
        dialog_->move(movedTo);
        QSignalSpy loads(dialog_, &frmAbout::loaded);
        if (key == 0) {
            QTest::mouseClick(&Find<QPushButton>("cmdOK"), Qt::LeftButton);
        } else {
            QTest::keyClick(dialog_->focusWidget(), Qt::Key(key));
        }
        QVERIFY(!dialog_->isVisible());
        ClickAbout();
        QVERIFY(dialog_->isVisible());
        QCOMPARE(loads.count(), 0);
        QCOMPARE(dialog_->pos(), movedTo);
        QCOMPARE(Dialogs().size(), 1);
    }

    void closeUnloadsIt() {
        ClickAbout();
        dialog_->move(ScreenCorner() + QPoint(300, 200));
        QSignalSpy loads(dialog_, &frmAbout::loaded);
        dialog_->close();
        QVERIFY(!dialog_->isVisible());
        ClickAbout();
        QCOMPARE(loads.count(), 1);
        QCOMPARE(dialog_->geometry().topLeft(), ScreenCorner() + kFirstPosition);
        QCOMPARE(dialog_->windowTitle(), "About Kelvane");
        QCOMPARE(Find<QLabel>("lblVersion").text(), "Version 1.0.0");
        QCOMPARE(Dialogs().size(), 1);
    }

    void clickingAboutAgainShowsTheSameDialog() {
        ClickAbout();
        QSignalSpy loads(dialog_, &frmAbout::loaded);
        ClickAbout();
        ClickAbout();
        QCOMPARE(loads.count(), 0);
        QCOMPARE(Dialogs().size(), 1);
    }

    void versionWithoutLeadingZeros_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one digit each") << "1.0.0"
                                        << "Version 1.0.0";
        QTest::newRow("two-digit minor") << "2.10.3"
                                         << "Version 2.10.3";
        QTest::newRow("zero-padded") << "03.07.09"
                                     << "Version 3.7.9";
    }

    void versionWithoutLeadingZeros() {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        QApplication::setApplicationVersion(version);
        ClickAbout();
        QApplication::setApplicationVersion("1.0.0");
        QCOMPARE(Find<QLabel>("lblVersion").text(), shown);
        QCOMPARE(Find<QLabel>("lblVersion").accessibleName(), "Kelvane " + shown);
    }

    void mainWindowRollsWhileDialogIsOpen() {
        ClickAbout();
        main_.findChild<QLineEdit*>("md6")->setText("3");
        QTest::mouseClick(main_.findChild<QPushButton*>("d6"), Qt::LeftButton);
        QCOMPARE(main_.findChild<QListView*>("rolloutput")->model()->rowCount(), 3);
        QVERIFY(dialog_->isVisible());
    }

    void sysInfoUnavailableShowsMessage() {
        ClickAbout();
        MessageWatcher seen;
        AltS();
        // An access key presses its button with a short animation, so the click comes later.
        QTRY_COMPARE(seen.text, "System Information Is Unavailable At This Time");
        QCOMPARE(seen.title, "Kelvane");
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(dialog_->isVisible());
    }

    void sysInfoStartsTheDesktopTool() {
        QTemporaryDir tools;
        const QString marker = tools.filePath("started");
        QFile tool(tools.filePath("gnome-system-monitor"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(marker).toUtf8());
        tool.close();
        tool.setPermissions(tool.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(tools.path()));
        ClickAbout();
        MessageWatcher seen;
        AltS();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) || !seen.text.isEmpty(), 10000);
        qputenv("PATH", QFile::encodeName(noTools_.path()));
        QCOMPARE(seen.text, "");
        QVERIFY(QFile::exists(marker));
    }

    // Last, as it ends the event loop and with it the dialog.
    void closingTheMainWindowEndsTheProgram() {
        ClickAbout();
        QTimer::singleShot(0, [this] { main_.close(); });
        constexpr int kStillRunning = 2;
        QTimer::singleShot(5000, [] { QCoreApplication::exit(kStillRunning); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(Dialogs().isEmpty());
        dialog_ = nullptr;
    }

  private:
    static QList<QWidget*> Dialogs() {
        QList<QWidget*> dialogs;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmAbout") {
                dialogs << window;
            }
        }
        return dialogs;
    }

    static QPoint ScreenCorner() { return QGuiApplication::primaryScreen()->geometry().topLeft(); }

    template <typename Control>
    Control& Find(const QString& name) {
        auto* control = dialog_->findChild<Control*>(name);
        if (control == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return *control;
    }

    void ClickAbout() {
        QTest::mouseClick(main_.findChild<QPushButton*>("about"), Qt::LeftButton);
        if (dialog_ == nullptr && !Dialogs().isEmpty()) {
            dialog_ = qobject_cast<frmAbout*>(Dialogs().first());
        }
    }

    // Alt+S, the System Info button's access key, pressed in the active dialog.
    void AltS() {
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_));
        QTest::keyClick(dialog_, Qt::Key_S, Qt::AltModifier);
    }

    QTemporaryDir noTools_;
    kelvane::testing::ScriptedRandomSource random_{{0.5F}};
    kelvane::RollSession session_{QStringLiteral(":memory:")};
    formKelvane main_{session_, random_};
    frmAbout* dialog_ = nullptr;
};

QTEST_MAIN(frmAboutTest)
#include "frmAbout_test.moc"
