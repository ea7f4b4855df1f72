#include "ui/main/formKelvane.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <map>

#include "session/DatabaseLocation.h"
#include "session/OddsLine.h"
#include "session/RollSession.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"

using kelvane::formKelvane;
using kelvane::testing::ScriptedRandomSource;

namespace {

constexpr float kJustBelowOne = 1.0F - 1.0F / 16777216.0F;

const QStringList kCountBoxes = {"md4",  "md6",   "md8",  "md10", "md12",
                                 "md20", "md100", "txtM", "txtN"};

// The data folder of one window: each rig starts on an empty book and history of its own.
struct FreshDataFolder {
    FreshDataFolder() { qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit()); }
    QTemporaryDir folder;
};

// A window rolling from a known script: draws 0.5, 0 and just below 1, over and over.
struct Rig {
    Rig() : random({0.5F, 0.0F, kJustBelowOne}), window(session, random) {}

    template <typename Control>
    Control& Find(const QString& name) {
        auto* control = window.findChild<Control*>(name);
        if (control == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return *control;
    }

    QStringList Lines() {
        const QAbstractItemModel& model = *Find<QListView>("rolloutput").model();
        QStringList lines;
        for (int row = 0; row < model.rowCount(); ++row) {
            lines << model.index(row, 0).data().toString();
        }
        return lines;
    }

    // Everything a roll may change.
    QStringList Outputs() {
        return Lines() << Find<QGroupBox>("frmResult").title() << Find<QLabel>("totalresult").text()
                       << QApplication::clipboard()->text();
    }

    void Click(const QString& button) {
        QTest::mouseClick(&Find<QPushButton>(button), Qt::LeftButton);
    }

    void ShowActive() {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    FreshDataFolder data;
    ScriptedRandomSource random;
    kelvane::RollSession session{kelvane::DatabasePath()};
    formKelvane window;
};

}  // namespace

class formKelvaneTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    void initTestCase() {
        QApplication::setApplicationName("Kelvane");
        QApplication::setApplicationDisplayName("Kelvane");
    }

    void init() { QApplication::clipboard()->setText("before"); }

    // Every control that takes the focus tells a screen reader what it is.
    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const QStringList dice = {"4", "6", "8", "10", "12", "20", "100"};
        for (const QString& sides : dice) {
            QTest::newRow(qPrintable("d" + sides)) << "d" + sides << "d" + sides;
            QTest::newRow(qPrintable("md" + sides))
                << "md" + sides << "Number of d" + sides + " dice";
        }
        const std::map<QString, QString> names = {{"txtM", "Number of dice (M)"},
                                                  {"txtN", "Number of sides (N)"},
                                                  {"btnMdN", "Roll"},
                                                  {"btnClear", "Clear"},
                                                  {"btnSeed", "Seed Generator"},
                                                  {"rolloutput", "Rolls"},
                                                  {"chkClip", "Clipboard"},
                                                  {"about", "About"},
                                                  {"cboCharacter", "Character"},
                                                  {"totalresult", "0"}};
        for (const auto& [control, name] : names) {
            QTest::newRow(qPrintable(control)) << control << name;
        }
    }

    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        Rig rig;
        QCOMPARE(QAccessible::queryAccessibleInterface(&rig.Find<QWidget>(control))
                     ->text(QAccessible::Name),
                 name);
        QCOMPARE(QAccessible::queryAccessibleInterface(&rig.Find<QLabel>("totalresult"))
                     ->text(QAccessible::Description),
                 "Total");
    }

    // The character choice is heard by its name, then the chosen character, which Orca reads
    // as its text; its list is there to walk through.
    void characterChoiceHasItsValue() {
        Rig rig;
        auto& choice = rig.Find<QComboBox>("cboCharacter");
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&choice);
        QCOMPARE(heard->role(), QAccessible::ComboBox);
        QCOMPARE(heard->text(QAccessible::Value), "Player");
        QVERIFY(heard->textInterface() != nullptr);
        QCOMPARE(heard->textInterface()->text(0, heard->textInterface()->characterCount()),
                 "Player");
        QCOMPARE(heard->childCount(), 1);
        QCOMPARE(heard->child(0)->object(), choice.view());
    }

    void rollsAreAnnounced_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char* name, const char* box, const char* count,
                            const char* button, const char* spoken) {
            QTest::newRow(name) << box << count << button << spoken;
        };
        row("3d6", "md6", "3", "d6", "3d6: 11");
        row("one d20", "md20", "", "d20", "d20: 11");
        row("MdN", "txtM", "2", "btnMdN", "2d30: 17");
        row("overflow", "md8", "9e99", "d8", "");
    }

    void rollsAreAnnounced() {
        QFETCH(QString, box);
        QFETCH(QString, count);
        QFETCH(QString, button);
        QFETCH(QString, spoken);
        Rig rig;
        rig.ShowActive();
        rig.Find<QLineEdit>(box).setText(count);
        rig.Find<QPushButton>(button).setFocus();
        QTimer::singleShot(0, [] {
            if (QWidget* message = QApplication::activeModalWidget()) {
                message->close();
            }
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        // Screen readers hear the announcer as a notification bearing the last result.
        QAccessibleInterface* announcer =
            QAccessible::queryAccessibleInterface(&rig.Find<QWidget>("announcer"));
        QCOMPARE(announcer->role(), QAccessible::Notification);
        QCOMPARE(announcer->text(QAccessible::Name), spoken);
        QCOMPARE(rig.window.focusWidget()->objectName(), button);
    }

    // After any roll the keyboard enters the list at its first line, not where it left it.
    void listTakesTheFocusAtItsFirstLineAfterARoll() {
        Rig rig;
        rig.ShowActive();
        auto& list = rig.Find<QListView>("rolloutput");
        rig.Find<QLineEdit>("md6").setText("3");
        for (const char* die : {"d6", "d4"}) {
            rig.Click(die);
            rig.Find<QPushButton>("btnSeed").setFocus();
            QTest::keyClick(&rig.window, Qt::Key_Tab);
            QCoreApplication::processEvents();
            QCOMPARE(list.currentIndex().row(), 0);
            QTest::keyClick(&list, Qt::Key_Down);
            QCOMPARE(list.currentIndex().row(), 1);
        }
        QCOMPARE(rig.Lines().size(), 4);  // the d4 only added a line
    }

    void initialState_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const QString& box : kCountBoxes.mid(0, 7)) {
            QTest::newRow(qPrintable(box)) << box << "";
        }
        const std::map<QString, QString> texts = {
            {"txtM", "1"}, {"txtN", "30"}, {"totalresult", "0"}, {"frmResult", "Result"}};
        for (const auto& [name, text] : texts) {
            QTest::newRow(qPrintable(name)) << name << text;
        }
    }

    void initialState() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Rig rig;
        QObject& control = rig.Find<QWidget>(name);
        if (auto* box = qobject_cast<QLineEdit*>(&control)) {
            QCOMPARE(box->text(), text);
        } else if (auto* label = qobject_cast<QLabel*>(&control)) {
            QCOMPARE(label->text(), text);
        } else {
            QCOMPARE(qobject_cast<QGroupBox*>(&control)->title(), text);
        }
        QCOMPARE(rig.window.windowTitle(), "Windows Kelvane");
        QVERIFY(rig.Lines().isEmpty());
        QVERIFY(!rig.Find<QCheckBox>("chkClip").isChecked());
    }

    // The odds line joins the chain once a roll has given it something to read.
    void tabOrder_data() {
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("focus");
        const QStringList chain = {
            "d4", "md4", "d6", "md6", "d8", "md8", "d10", "md10", "d12", "md12", "d20", "md20",
            "d100", "md100", "txtM", "txtN", "btnMdN", "btnClear", "btnSeed", "rolloutput",
            "chkClip", "about", "txtNotation", "btnNotation", "btnLog", "btnTable",
            // The roll book to the right of the band.
            "cboCharacter", "btnNewCharacter", "btnRenameCharacter", "btnDeleteCharacter",
            "lstRollBook", "btnSaveRoll", "btnImport", "btnExport", "d4"};
        for (int tabs = 0; tabs < chain.size(); ++tabs) {
            QTest::addRow("%d tabs", tabs) << false << tabs << chain[tabs];
        }
        QTest::newRow("after a roll, 24 tabs") << true << 24 << "lblOdds";
        QTest::newRow("after a roll, 25 tabs") << true << 25 << "btnLog";
    }

    void tabOrder() {
        QFETCH(bool, rolled);
        QFETCH(int, tabs);
        QFETCH(QString, focus);
        Rig rig;
        rig.ShowActive();
        auto& odds = rig.Find<QLabel>("lblOdds");
        if (rolled) {
            rig.Click("d6");
            QTRY_VERIFY(!odds.text().isEmpty());
            rig.Find<QWidget>("d4").setFocus();
        }
        for (int i = 0; i < tabs; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(QApplication::focusWidget() != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (focus == "lblOdds") {
            // Selected from the keyboard, to copy.
            QTest::keyClick(&odds, Qt::Key_Home);
            QTest::keyClick(&odds, Qt::Key_End, Qt::ShiftModifier);
            QCOMPARE(odds.selectedText(), odds.text());
        }
    }

    void boxesRefuseAFifthCharacter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pasted");
        for (const QString& box : kCountBoxes) {
            QTest::addRow("%s typed", qPrintable(box)) << box << false;
            QTest::addRow("%s pasted", qPrintable(box)) << box << true;
        }
    }

    void boxesRefuseAFifthCharacter() {
        QFETCH(QString, name);
        QFETCH(bool, pasted);
        Rig rig;
        auto& box = rig.Find<QLineEdit>(name);
        box.setText("1");
        box.end(false);
        if (pasted) {
            QApplication::clipboard()->setText("2345");
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&box, "2345");
        }
        QCOMPARE(box.text(), "1234");
    }

    void enterInACountBoxRollsNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        for (const QString& box : kCountBoxes) {
            QTest::addRow("%s Return", qPrintable(box)) << box << int(Qt::Key_Return);
            QTest::addRow("%s Enter", qPrintable(box)) << box << int(Qt::Key_Enter);
        }
    }

    void enterInACountBoxRollsNothing() {
        QFETCH(QString, name);
        QFETCH(int, key);
        Rig rig;
        rig.ShowActive();
        auto& box = rig.Find<QLineEdit>(name);
        box.setText("3");
        box.setFocus();
        QTest::keyClick(&box, Qt::Key(key));
        QVERIFY(rig.Lines().isEmpty());
        QCOMPARE(rig.Find<QLabel>("totalresult").text(), "0");
    }

    void focusedButtonRollsOnEnterOrSpace_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void focusedButtonRollsOnEnterOrSpace() {
        QFETCH(int, key);
        Rig rig;
        rig.ShowActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(rig.Lines(), QStringList{"d4 = 3"});
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        const auto row = [](const char* name, const char* parent, int x, int y, int w, int h) {
            QTest::newRow(name) << name << parent << QRect(x, y, w, h);
        };
        const std::map<QString, int> rowTops = {{"4", 32},   {"6", 72},   {"8", 112},  {"10", 152},
                                                {"12", 192}, {"20", 232}, {"100", 272}};
        for (const auto& [sides, top] : rowTops) {
            row(qPrintable("md" + sides), "formKelvane", 16, top, 57, 33);
            row(qPrintable("d" + sides), "formKelvane", 80, top, 57, 33);
        }
        row("Label1", "formKelvane", 16, 8, 57, 17);
        row("Label2", "formKelvane", 80, 8, 41, 17);
        row("frmResult", "formKelvane", 152, 8, 145, 73);
        row("Frame2", "formKelvane", 152, 88, 145, 129);
        row("btnSeed", "formKelvane", 152, 224, 145, 25);
        row("lblName", "formKelvane", 152, 256, 145, 33);
        row("about", "formKelvane", 192, 296, 65, 25);
        row("http", "formKelvane", 8, 312, 161, 17);
        row("frmRolls", "formKelvane", 312, 8, 113, 305);
        row("rolloutput", "formKelvane", 320, 24, 97, 225);
        row("totalresult", "frmResult", 16, 24, 120, 29);
        row("txtM", "Frame2", 16, 24, 57, 33);
        row("txtN", "Frame2", 80, 24, 57, 33);
        row("lblM", "Frame2", 16, 64, 57, 17);
        row("lblN", "Frame2", 80, 64, 57, 17);
        row("btnMdN", "Frame2", 32, 88, 89, 33);
        row("chkClip", "frmRolls", 24, 248, 17, 17);
        row("Label3", "frmRolls", 40, 248, 49, 17);
        row("btnClear", "frmRolls", 24, 272, 65, 25);
    }

    void geometry() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        Rig rig;
        // The notation band below the declared controls and the roll book to their right are
        // all the window gains.
        const auto& band = rig.Find<QWidget>("bandNotation");
        QCOMPARE(band.geometry().topLeft(), QPoint(0, 335));
        const auto& book = rig.Find<QWidget>("panelRollBook");
        QCOMPARE(book.geometry().topLeft(), QPoint(436, 0));
        QCOMPARE(rig.window.size(), QSize(436 + book.width(), 335 + band.height()));
        const auto& control = rig.Find<QWidget>(name);
        QCOMPARE(control.parentWidget()->objectName(), parent);
        QCOMPARE(control.geometry(), rect);
    }

    void toolTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        const std::map<QString, QString> dice = {
            {"4", "four"},    {"6", "six"},     {"8", "eight"},        {"10", "ten"},
            {"12", "twelve"}, {"20", "twenty"}, {"100", "one hundred"}};
        for (const auto& [sides, word] : dice) {
            const QString article = sides == "8" ? "an" : "a";
            QTest::newRow(qPrintable("d" + sides))
                << "d" + sides << QString("Roll %1 %2 sided die").arg(article, word);
            QTest::newRow(qPrintable("md" + sides)) << "md" + sides << "Number of dice to roll";
        }
        const std::map<QString, QString> others = {
            {"txtM", "Number of dice to roll"},
            {"txtN", "Number of sides to the die"},
            {"btnMdN", "Roll the MdN dice"},
            {"btnSeed", "Randomize (seed) the number generator"},
            {"btnClear", "Clear the contents of the rolls list"},
            {"rolloutput", "Displays individual roll results"},
            {"chkClip",
             "Check to send future rolls to the clipboard for pasting in other documents"},
        };
        for (const auto& [name, toolTip] : others) {
            QTest::newRow(qPrintable(name)) << name << toolTip;
        }
        for (const char* none : {"about", "Label1", "Label2", "Label3", "lblM", "lblN", "lblName",
                                 "http", "totalresult", "frmResult", "Frame2", "frmRolls"}) {
            QTest::newRow(none) << none << "";
        }
    }

    void toolTips() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        Rig rig;
        QCOMPARE(rig.Find<QWidget>(name).toolTip(), toolTip);
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("pointSize");
        for (const QString& box : kCountBoxes) {
            QTest::newRow(qPrintable(box)) << box << "MS Sans Serif" << 13.5;
        }
        for (const char* die : {"d4", "d6", "d8", "d10", "d12", "d20", "d100"}) {
            QTest::newRow(die) << die << "Arial" << 14.25;
        }
        QTest::newRow("totalresult") << QString("totalresult") << "MS Sans Serif" << 18.0;
    }

    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, pointSize);
        Rig rig;
        const QFont font = rig.Find<QWidget>(name).font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
        for (const QWidget* control : rig.window.findChildren<QWidget*>()) {
            const QFont f = control->font();
            QVERIFY2(!f.bold() && !f.italic() && !f.underline(), qPrintable(control->objectName()));
        }
    }

    // Every single-line caption is wholly visible in its control, and the wrapped one in its
    // height.
    void textsFitTheirControls() {
        Rig rig;
        rig.window.show();
        for (const QLabel* label : rig.window.findChildren<QLabel*>()) {
            const QRect room = label->contentsRect();
            const int needed = label->wordWrap()
                                   ? label->heightForWidth(room.width())
                                   : label->fontMetrics().horizontalAdvance(
                                         QString(label->text()).remove(QLatin1Char('&')));
            QVERIFY2(needed <= (label->wordWrap() ? room.height() : room.width()),
                     qPrintable(label->objectName()));
        }
        for (const QPushButton* button : rig.window.findChildren<QPushButton*>()) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->objectName()));
        }
    }

    void checkBoxCaptionIsHidden() {
        Rig rig;
        rig.window.show();
        const auto& check = rig.Find<QCheckBox>("chkClip");
        QCOMPARE(check.text(), "Check1");
        QStyleOptionButton option;
        option.initFrom(&check);
        option.text = check.text();
        const QRect caption =
            check.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &check);
        QVERIFY2(caption.left() >= check.width(), "the caption starts inside the check box");
    }

    void listLiesInFrontOfItsFrame() {
        Rig rig;
        rig.window.show();
        const auto& list = rig.Find<QListView>("rolloutput");
        const QWidget* top = rig.window.childAt(list.geometry().center());
        QVERIFY(top != nullptr && (top == &list || list.isAncestorOf(top)));
    }

    void resizingMovesNothing_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(900, 700);
        QTest::newRow("smaller") << QSize(200, 150);
    }

    void resizingMovesNothing() {
        QFETCH(QSize, size);
        Rig rig;
        rig.window.show();
        std::map<const QWidget*, QRect> before;
        for (const QWidget* control : rig.window.findChildren<QWidget*>()) {
            before[control] = control->geometry();
        }
        rig.window.resize(size);
        QTRY_COMPARE(rig.window.size(), size);
        for (const QWidget* control : rig.window.findChildren<QWidget*>()) {
            QCOMPARE(control->geometry(), before[control]);
        }
    }

    void dieButtonsRollTheirBoxes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("sides");
        for (const int sides : {4, 6, 8, 10, 12, 20, 100}) {
            const QString die = "d" + QString::number(sides);
            QTest::newRow(qPrintable(die)) << die << sides;
        }
    }

    void dieButtonsRollTheirBoxes() {
        QFETCH(QString, button);
        QFETCH(int, sides);
        Rig rig;
        rig.Find<QLineEdit>("m" + button).setText("3");
        rig.Click(button);
        // The draws 0.5, 0 and just below 1 throw half the sides plus one, then 1, then the sides.
        const int middle = sides / 2 + 1;
        QCOMPARE(rig.Lines(), (QStringList{QString("%1-1 = %2").arg(button).arg(middle),
                                           QString("%1-2 = 1").arg(button),
                                           QString("%1-3 = %2").arg(button).arg(sides)}));
        QCOMPARE(rig.Find<QGroupBox>("frmResult").title(), "Result: 3" + button);
        QCOMPARE(rig.Find<QLabel>("totalresult").text(), QString::number(middle + 1 + sides));
    }

    void genericRollWithUnreadableSides() {
        Rig rig;
        rig.Find<QLineEdit>("txtN").setText("abc");
        rig.Find<QLineEdit>("txtM").setText("2");
        rig.Click("btnMdN");
        QCOMPARE(rig.Lines(), (QStringList{"d0-1 = 1", "d0-2 = 1"}));
        QCOMPARE(rig.Find<QGroupBox>("frmResult").title(), "Result: 2d0");
        QCOMPARE(rig.Find<QLabel>("totalresult").text(), "2");
    }

    // The die buttons roll 3 in md6; notation is rolled from its box.
    void clipboardOption_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("ticked") << true << ""
                                << "4\r\n1\r\n6\r\n";
        QTest::newRow("clear") << false << ""
                               << "before";
        QTest::newRow("notation, ticked") << true << "3d6"
                                          << "3d6: [4, 1, 6] = 11\r\n";
        QTest::newRow("notation, clear") << false << "3d6"
                                         << "before";
    }

    void clipboardOption() {
        QFETCH(bool, ticked);
        QFETCH(QString, notation);
        QFETCH(QString, clipboard);
        Rig rig;
        if (ticked) {
            QTest::mouseClick(&rig.Find<QCheckBox>("chkClip"), Qt::LeftButton);
        }
        if (notation.isEmpty()) {
            rig.Find<QLineEdit>("md6").setText("3");
            rig.Click("d6");
        } else {
            rig.Find<QLineEdit>("txtNotation").setText(notation);
            rig.Click("btnNotation");
        }
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void overflowRollsNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("count");  // in txtM, for the generic roller
        const auto row = [](const char* box, const char* text, const char* button,
                            const char* count) {
            QTest::addRow("%s %s, txtM %s", box, text, count) << box << text << button << count;
        };
        row("md6", "9e9", "d6", "1");
        row("md100", "-4e4", "d100", "1");
        row("txtN", "9e9", "btnMdN", "2");
        row("txtN", "4e4", "btnMdN", "9e9");
        row("txtM", "1e5", "btnMdN", "1e5");
    }

    void overflowRollsNothing() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, count);
        Rig rig;
        QTest::mouseClick(&rig.Find<QCheckBox>("chkClip"), Qt::LeftButton);
        rig.Find<QLineEdit>("md8").setText("2");
        rig.Click("d8");
        rig.Find<QLineEdit>("txtM").setText(count);
        rig.Find<QLineEdit>(box).setText(text);
        const QStringList before = rig.Outputs();

        QString message;
        QTimer::singleShot(0, [&message] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message =
                    shown->windowTitle() + "|" + shown->text() + "|" + shown->informativeText();
                shown->close();
            }
        });
        rig.Click(button);

        QCOMPARE(message,
                 "Kelvane|Overflow|The number of dice and the number of sides must each lie "
                 "between -32768 and 32767.");
        QCOMPARE(rig.Outputs(), before);
        rig.Click("d4");
        QCOMPARE(rig.Lines().last(), "d4 = 4");
    }

    // Typed notation rolls on Enter and keeps its text; one that cannot be rolled leaves every
    // output as it was and says why beside the box, to a screen reader too.
    void notationRolls_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* text, const char* caption, const char* spoken,
                            const char* message) {
            QTest::newRow(text) << text << caption << spoken << message;
        };
        row("4d6dl1+2", "Result: 4d6dl1+2", "4d6dl1+2: 18", "");
        // Bands are the player's words for the result: the caption names the dice alone.
        row("2d6 ? 12 Boxcars", "Result: 2d6", "2d6: 10", "");
        row("2d20kh1+3d6!+10d10>=8f1", "Result: 2d20kh1+3d6!+10d10>=8f1",
            "2d20kh1+3d6!+10d10>=8f1: 33", "");
        row("d6+", "Result: 2d8", "2d8: 6",
            "Column 4: a number, a die such as d6, or ( should come here.");
        row("  ", "Result: 2d8", "2d8: 6",
            "Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.");
        row("600000d6+400001d4", "Result: 2d8", "2d8: 6",
            "Column 10: a roll may throw at most 1,000,000 dice.");
        row("2d1000000001", "Result: 2d8", "2d8: 6",
            "Column 3: a die has from 1 to 1,000,000,000 sides.");
    }

    void notationRolls() {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QFETCH(QString, message);
        Rig rig;
        rig.ShowActive();
        QTest::mouseClick(&rig.Find<QCheckBox>("chkClip"), Qt::LeftButton);
        rig.Find<QLineEdit>("md8").setText("2");
        rig.Click("d8");
        const QStringList before = rig.Outputs();
        auto& box = rig.Find<QLineEdit>("txtNotation");
        box.setFocus();
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);

        QCOMPARE(box.text(), text);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // A caption wider than the frame is cut, and whole in its tool tip and name.
        const auto& frame = rig.Find<QGroupBox>("frmResult");
        const bool cut = frame.title() != caption;
        if (cut) {
            QVERIFY(frame.title().endsWith(QChar(0x2026)));
            QVERIFY(caption.startsWith(frame.title().chopped(1)));
        }
        QCOMPARE(cut, caption.size() > 20);
        QCOMPARE(frame.toolTip(), cut ? caption : QString());
        QCOMPARE(frame.accessibleName(), cut ? caption : QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(&rig.Find<QWidget>("announcer"))
                     ->text(QAccessible::Name),
                 spoken);
        QCOMPARE(rig.Find<QLabel>("lblNotationMessage").text(), message);
        QCOMPARE(box.accessibleDescription(), message);
        if (!message.isEmpty()) {
            QCOMPARE(rig.Outputs(), before);
            QCOMPARE(QAccessible::queryAccessibleInterface(&rig.Find<QWidget>("alertAnnouncer"))
                         ->text(QAccessible::Name),
                     message);
            QTest::keyClick(&box, Qt::Key_Backspace);
            QCOMPARE(rig.Find<QLabel>("lblNotationMessage").text(), QString());
            QCOMPARE(box.accessibleDescription(), QString());
        } else {
            QCOMPARE(rig.Lines().last(), spoken.replace(": ", " = "));
        }
    }

    // A line cut short in the narrow list shows whole as its row's tool tip; elsewhere the
    // list's own tool tip stands.
    void cutLinesShowWholeInToolTips() {
        Rig rig;
        rig.ShowActive();
        auto& box = rig.Find<QLineEdit>("txtNotation");
        box.setText("2d20kh1");
        QTest::keyClick(&box, Qt::Key_Return);
        auto& list = rig.Find<QListView>("rolloutput");
        QStringList tips;
        for (int row = 0; row < 3; ++row) {
            const QRect line = list.visualRect(list.model()->index(row, 0));
            QHelpEvent hover(QEvent::ToolTip, line.center(),
                             list.viewport()->mapToGlobal(line.center()));
            QApplication::sendEvent(list.viewport(), &hover);
            tips << (QToolTip::isVisible() ? QToolTip::text() : QString());
            QToolTip::hideText();
        }
        const QString listTip = "Displays individual roll results";
        QCOMPARE(tips, QStringList({listTip, "d20-2 = 1 (dropped)", listTip}));
    }

    // Up walks back through the session's notations, newest first and each once, at most the
    // last hundred; Down walks forward to what was being typed; a roll starts the walk afresh.
    void notationHistory_data() {
        QTest::addColumn<QStringList>("rolled");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keys");  // U for Up, D for Down, E for Enter
        QTest::addColumn<QStringList>("walked");
        QTest::newRow("there and back")
            << QStringList{"d4", "2d6", "d4 ", "3d8+1"} << "d1"
            << "UUUUUDDDD"
            << QStringList{"3d8+1", "d4", "2d6", "2d6", "2d6", "d4", "3d8+1", "d1", "d1"};
        QTest::newRow("a roll on the way back")
            << QStringList{"d4", "2d6", "3d8"} << ""
            << "UUEU" << QStringList{"3d8", "2d6", "2d6", "2d6"};
        // d1 to d101 rolled: Up walks from d101 down to d2, and stays there.
        QStringList rolledInOrder;
        QStringList newestFirst;
        for (int sides = 1; sides <= 101; ++sides) {
            rolledInOrder << "d" + QString::number(sides);
            newestFirst << "d" + QString::number(102 - sides);
        }
        newestFirst.last() = "d2";
        QTest::newRow("a hundred and one")
            << rolledInOrder << "" << QString(101, 'U') << newestFirst;
    }

    void notationHistory() {
        QFETCH(QStringList, rolled);
        QFETCH(QString, typed);
        QFETCH(QString, keys);
        QFETCH(QStringList, walked);
        Rig rig;
        auto& box = rig.Find<QLineEdit>("txtNotation");
        for (const QString& text : rolled) {
            box.setText(text);
            QTest::keyClick(&box, Qt::Key_Return);
        }
        box.setText(typed);
        const std::map<QChar, Qt::Key> keyOf = {
            {'U', Qt::Key_Up}, {'D', Qt::Key_Down}, {'E', Qt::Key_Return}};
        QStringList shown;
        for (const QChar key : keys) {
            QTest::keyClick(&box, keyOf.at(key));
            shown << box.text();
        }
        QCOMPARE(shown, walked);
    }

    // The odds line in the player's number format, with its smallest and largest shares kept
    // apart from 0 and 100 %, and "approximate" where the odds come from a normal curve. The
    // die buttons' rolls give dice and sides, notation gives its text.
    void oddsText_data() {
        QTest::addColumn<int>("dice");
        QTest::addColumn<int>("sides");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, int dice, int sides, qint64 total, const char* locale,
                            const char* text) {
            QTest::newRow(name) << dice << sides << QString() << total << locale << text;
        };
        const auto notation = [](const char* text, qint64 total, const char* line) {
            QTest::newRow(text) << 0 << 0 << text << total << "en_US" << line;
        };
        notation("3d6!", 10,
                 "10 or more: 66.44 %  ·  10 or less: 42.59 %  ·  average 12.60  ·  3 and up");
        notation("2d6", 2,
                 "2 or more: 100.00 %  ·  2 or less: 2.78 %  ·  average 7.00  ·  2 to 12");
        notation("d6/(d2-1)", 3,
                 "3 or more: 66.67 %  ·  3 or less: 50.00 %  ·  average 3.50  ·  1 to 6  ·  "
                 "no result: 50.00 %");
        row("3d6", 3, 6, 10, "en_US",
            "10 or more: 62.50 %  ·  10 or less: 50.00 %  ·  average 10.50  ·  3 to 18");
        row("German numbers", 3, 6, 10, "de_DE",
            "10 or more: 62,50 %  ·  10 or less: 50,00 %  ·  average 10,50  ·  3 to 18");
        row("least of 8d6", 8, 6, 8, "en_US",
            "8 or more: 100.00 %  ·  8 or less: < 0.01 %  ·  average 28.00  ·  8 to 48");
        row("next to least", 8, 6, 9, "en_US",
            "9 or more: > 99.99 %  ·  9 or less: < 0.01 %  ·  average 28.00  ·  8 to 48");
        // A die of -6 sides shows -5 to 0, and 1 only for the one draw of 0.
        row("d-6", 1, -6, 1, "en_US",
            "1 or more: < 0.01 %  ·  1 or less: 100.00 %  ·  average -2.50  ·  -5 to 1");
        row("32000d100", 32000, 100, 1616000, "en_US",
            "1,616,000 or more: ≈ 50.00 %  ·  1,616,000 or less: ≈ 50.00 %  ·  average "
            "1,615,999.91  ·  32,000 to 3,200,000  ·  approximate");
    }

    void oddsText() {
        QFETCH(int, dice);
        QFETCH(int, sides);
        QFETCH(QString, notation);
        QFETCH(qint64, total);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        const QString shown = kelvane::OddsLine::Text(
            notation.isEmpty() ? kelvane::DistributionOfDice(static_cast<std::int16_t>(dice),
                                                             static_cast<std::int16_t>(sides))
                               : kelvane::DistributionOf(std::get<kelvane::notation::Expression>(
                                     kelvane::notation::Parse(notation.toStdString()))),
            total);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown, text);
    }

    // A roll with outcomes shows the rolled one large and says it; its odds line and chart give
    // each outcome's chance. The script throws d6s of 4, 1 and 6.
    void outcomesAreShown_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("odds");
        const auto row = [](const char* text, const char* outcome, const char* spoken,
                            const char* clipboard, const char* odds) {
            QTest::newRow(text) << text << outcome << spoken << clipboard << odds;
        };
        row("bitd 3 # Sneak", "Success", "bitd 3: 6, Success",
            "bitd 3: [4d, 1d, 6] = 6 · Success # Sneak",
            "Critical: 7.41\u00a0%  ·  Success: 34.72\u00a0%  ·  Partial: 45.37\u00a0%  ·  Failure: 12.50\u00a0%");
        row("2d6+1 ? 10+ Strong hit; 7-9 Weak hit; 6- Miss", "Miss", "2d6+1: 6, Miss",
            "2d6+1: [4, 1]+1 = 6 · Miss",
            "Strong hit: 27.78\u00a0%  ·  Weak hit: 44.44\u00a0%  ·  Miss: 27.78\u00a0%");
        row("2d6 ? 2-3 Low; 12 High", "", "2d6: 5", "2d6: [4, 1] = 5",
            "Low: 8.33\u00a0%  ·  High: 2.78\u00a0%  ·  no outcome: 88.89\u00a0%");
    }

    void outcomesAreShown() {
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QFETCH(QString, spoken);
        QFETCH(QString, clipboard);
        QFETCH(QString, odds);
        Rig rig;
        rig.ShowActive();
        QTest::mouseClick(&rig.Find<QCheckBox>("chkClip"), Qt::LeftButton);
        auto& box = rig.Find<QLineEdit>("txtNotation");
        box.setText(text);
        QTest::keyClick(&box, Qt::Key_Return);
        auto& label = rig.Find<QLabel>("lblOutcome");
        QCOMPARE(label.text(), outcome);
        QCOMPARE(label.isVisible(), !outcome.isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name), "Outcome");
        QCOMPARE(QAccessible::queryAccessibleInterface(&rig.Find<QWidget>("announcer"))
                     ->text(QAccessible::Name),
                 spoken);
        QCOMPARE(QApplication::clipboard()->text(), clipboard + "\r\n");
        QTRY_COMPARE(rig.Find<QLabel>("lblOdds").text(), odds);
        QVERIFY(rig.Find<QWidget>("chartOutcomes").isVisible());
        QVERIFY(!rig.Find<QWidget>("chartDistribution").isVisible());
        QCOMPARE(rig.Find<QWidget>("chartOutcomes").accessibleDescription(), odds);
    }

    // The odds are worked out off the window's thread, after the roll is shown: of two rolls
    // made before either's odds arrive, only the later one's are shown and signalled.
    void oddsFollowTheLatestRoll() {
        Rig rig;
        QStringList rolls;
        QStringList odds;
        connect(&rig.session, &kelvane::RollSession::rollTaken, this,
                [&rolls](const kelvane::RollRecordPtr& roll) {
                    rolls << QString::fromStdString(roll->name);
                });
        connect(&rig.session, &kelvane::RollSession::oddsReady, this,
                [&odds](const kelvane::RollRecordPtr& roll) {
                    odds << QString::fromStdString(roll->name);
                });
        auto& box = rig.Find<QLineEdit>("txtNotation");
        for (const char* text : {"3d6", "2d6"}) {
            box.setText(text);
            QTest::keyClick(&box, Qt::Key_Return);
            // Time for the first roll's odds to be worked out, but not delivered.
            QThread::msleep(100);
        }
        auto& line = rig.Find<QLabel>("lblOdds");
        QCOMPARE(rolls.count(), 2);
        QCOMPARE(line.text(), QString());
        QTRY_COMPARE(odds.count(), 1);
        QCOMPARE(odds.at(0), "2d6");
        QVERIFY2(line.text().endsWith("2 to 12"), qPrintable(line.text()));
        QTest::qWait(200);
        QCOMPARE(odds.count(), 1);
    }

    // The model tester checks every row insertion and reset against the rows before and after.
    void rollListModelReportsItsRows() {
        Rig rig;
        QAbstractItemModelTester tester(rig.Find<QListView>("rolloutput").model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rig.Click("d6");
        rig.Click("d20");
        rig.Find<QLineEdit>("md8").setText("3");
        rig.Click("d8");
        rig.Click("d4");
        rig.Click("btnClear");
        rig.Click("d6");
        QCOMPARE(rig.Lines(), QStringList{"d6 = 4"});
    }

    void clearKeepsTotalAndCaption() {
        Rig rig;
        rig.Find<QLineEdit>("md6").setText("3");
        rig.Click("d6");
        rig.Click("btnClear");
        QVERIFY(rig.Lines().isEmpty());
        QCOMPARE(rig.Find<QGroupBox>("frmResult").title(), "Result: 3d6");
        QCOMPARE(rig.Find<QLabel>("totalresult").text(), "11");
        QCOMPARE(rig.Find<QLineEdit>("md6").text(), "3");
    }

    void seedChangesNothingVisible() {
        Rig rig;
        rig.window.show();
        rig.Click("d20");
        const QImage before = rig.window.grab().toImage();
        const QStringList outputs = rig.Outputs();
        rig.Click("btnSeed");
        QCOMPARE(rig.random.Reseeds(), 1);
        QCOMPARE(rig.Outputs(), outputs);
        QCOMPARE(rig.window.grab().toImage(), before);
    }

    void largeRollFillsTheList() {
        Rig rig;
        rig.window.show();
        rig.Find<QLineEdit>("txtM").setText("32e3");
        rig.Find<QLineEdit>("txtN").setText("6");
        rig.Click("btnMdN");
        const QStringList lines = rig.Lines();
        QCOMPARE(lines.size(), 32000);
        QCOMPARE(lines.first(), "d6-1 = 4");
        QCOMPARE(lines.last(), "d6-32000 = 1");
        QCOMPARE(rig.Find<QGroupBox>("frmResult").title(), "Result: 32000d6");
    }
};

QTEST_MAIN(formKelvaneTest)
#include "formKelvane_test.moc"
