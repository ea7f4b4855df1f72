#include "ui/main/RollBookPanel.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "platform/rolllog/SqliteRollLog.h"
#include "platform/storage/KelvaneDatabase.h"
#include "platform/storage/SqliteRollBook.h"
#include "platform/storage/SqliteTableOutbox.h"
#include "session/DatabaseLocation.h"
#include "session/RollLogger.h"
#include "session/RollSession.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"
#include "ui/main/formKelvane.h"

using kelvane::DatabasePath;
using kelvane::formKelvane;
using kelvane::RollSession;
using kelvane::testing::ScriptedRandomSource;

namespace {

// The window on a book of its own, with the rolls Longsword d20+5, Damage 1d8+3 and Sneak
// attack 3d6 saved through the notation box and Save.
struct Rig {
    Rig() {
        QObject::connect(&window, &formKelvane::firstPainted, &session, &RollSession::CheckFile);
        window.show();
        for (const char* text : {"d20+5 # Longsword", "1d8+3 # Damage", "3d6"}) {
            Save(text);
        }
    }
    template <typename T>
    T& Find(const char* name) {
        return *window.findChild<T*>(name);
    }
    void Save(const QString& text) {
        Find<QLineEdit>("txtNotation").setText(text);
        QTest::mouseClick(&Find<QPushButton>("btnSaveRoll"), Qt::LeftButton);
    }
    // The rows as "name notation", joined by "|".
    QString Rows() {
        QStringList rows;
        auto& list = Find<QTreeWidget>("lstRollBook");
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            rows << list.topLevelItem(row)->text(0) + " " + list.topLevelItem(row)->text(1);
        }
        return rows.join('|');
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Find<QTreeWidget>("lstRollBook"), static_cast<Qt::Key>(key), modifiers);
    }

    ScriptedRandomSource random{{0.5F}};
    RollSession session{DatabasePath()};
    formKelvane window{session, random};
};

}  // namespace

class RollBookPanelTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    // Each test starts on a book of its own.
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", folder_->path().toLocal8Bit());
    }

    void rollsARowAsIfTyped_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Space") << "space";
    }

    void rollsARowAsIfTyped() {
        QFETCH(QString, how);
        Rig rig;
        auto& list = rig.Find<QTreeWidget>("lstRollBook");
        QCOMPARE(rig.Rows(), "Longsword d20+5|Damage 1d8+3|3d6 3d6");
        rig.Find<QLineEdit>("txtNotation").clear();
        if (how == "click") {
            const QRect row = list.visualItemRect(list.topLevelItem(1));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
        } else {
            list.setFocus();
            list.setCurrentItem(list.topLevelItem(0));
            rig.Key(Qt::Key_Down);  // moves without rolling
            QCOMPARE(rig.Find<QLabel>("totalresult").text(), "0");
            rig.Key(how == "enter" ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(rig.Find<QLineEdit>("txtNotation").text(), "1d8+3 # Damage");
        // The scripted die shows 5 on a d8: 5 + 3.
        QCOMPARE(rig.Find<QLabel>("totalresult").text(), "8");
    }

    void refusesANotationThatCannotBeRolledOrIsHeld() {
        Rig rig;
        rig.Save("3d6++");
        QCOMPARE(rig.Rows(), "Longsword d20+5|Damage 1d8+3|3d6 3d6");
        QCOMPARE(rig.Find<QLabel>("lblNotationMessage").text(),
                 "Column 6: a number, a die such as d6, or ( should come here.");
        rig.Save("d20+5 # Longsword");
        QCOMPARE(rig.Rows(), "Longsword d20+5|Damage 1d8+3|3d6 3d6");
        QCOMPARE(rig.Find<QLabel>("lblNotationMessage").text(),
                 "Longsword is already in the roll book.");
    }

    void editsAndKeepsTheRows_data() {
        QTest::addColumn<QList<int>>("keys");  // key and modifiers, in pairs
        QTest::addColumn<QString>("rows");
        const int alt = Qt::AltModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Alt+Down") << QList<int>{Qt::Key_Down, alt}
                                  << "Damage 1d8+3|Longsword d20+5|3d6 3d6";
        QTest::newRow("Alt+Up at the top")
            << QList<int>{Qt::Key_Up, alt} << "Longsword d20+5|Damage 1d8+3|3d6 3d6";
        QTest::newRow("Delete") << QList<int>{Qt::Key_Delete, 0} << "Damage 1d8+3|3d6 3d6";
        QTest::newRow("Delete twice, Ctrl+Z")
            << QList<int>{Qt::Key_Delete, 0, Qt::Key_Delete, 0, Qt::Key_Z, ctrl}
            << "Damage 1d8+3|3d6 3d6";
        QTest::newRow("Delete, Alt+Down, Ctrl+Z")
            << QList<int>{Qt::Key_Delete, 0, Qt::Key_Down, alt, Qt::Key_Z, ctrl}
            << "Longsword d20+5|3d6 3d6|Damage 1d8+3";
        QTest::newRow("F2") << QList<int>{Qt::Key_F2, 0, Qt::Key_A, 0, Qt::Key_Return, 0}
                            << "a d20+5|Damage 1d8+3|3d6 3d6";
    }

    void editsAndKeepsTheRows() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, rows);
        {
            Rig rig;
            auto& list = rig.Find<QTreeWidget>("lstRollBook");
            rig.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&rig.window));
            list.setFocus();
            list.setCurrentItem(list.topLevelItem(0));
            for (qsizetype i = 0; i < keys.size(); i += 2) {
                // While a row is renamed, the keys go to its editor.
                QWidget* target = QApplication::focusWidget();
                QTest::keyClick(target != nullptr ? target : &list, static_cast<Qt::Key>(keys[i]),
                                static_cast<Qt::KeyboardModifiers>(keys[i + 1]));
                QCoreApplication::processEvents();
            }
            QCOMPARE(rig.Find<QTreeWidget>("lstRollBook").topLevelItemCount(), rows.count('|') + 1);
        }
        // A new window reads the same rows back from the database.
        ScriptedRandomSource random({0.5F});
        RollSession session(DatabasePath());
        formKelvane again(session, random);
        QStringList shown;
        auto& list = *again.findChild<QTreeWidget*>("lstRollBook");
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            shown << list.topLevelItem(row)->text(0) + " " + list.topLevelItem(row)->text(1);
        }
        QCOMPARE(shown.join('|'), rows);
    }

    // A file grown over many pages, damaged in a page that opening does not read.
    // Met while the window reads the book or logs a roll, or found by the file's check after
    // the first paint, the damage is kept aside and a fresh database started, holding the book
    // when the damage lay elsewhere; the log, stopped by the damage, goes on in it.
    void damageFoundAfterOpeningStartsAfresh_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("sentence");
        const QString bookKept = "Longsword d20+5|Damage 1d8+3|3d6 3d6|";
        const QString carriedOver =
            "The roll book's file was damaged; it was copied to %1, and "
            "the book was carried over to a new file.";
        QTest::newRow("in the rolls the window shows")
            << "book"
            << ""
            << "The roll book was damaged; it was copied to %1 and a new book started.";
        QTest::newRow("in the table's outbox, which it does not read")
            << "outbox" << bookKept << carriedOver;
        QTest::newRow("in the roll log, which a roll writes") << "log" << bookKept << carriedOver;
    }

    void damageFoundAfterOpeningStartsAfresh() {
        QFETCH(QString, where);
        QFETCH(QString, rows);
        QFETCH(QString, sentence);
        const QString sentenceStart = sentence.section("%1", 0, 0);
        const QString sentenceEnd = sentence.section("%1", 1);
        const QString path = kelvane::DatabasePath();
        qsizetype damagedPage = 0;
        {
            kelvane::KelvaneDatabase database(path.toStdString());
            kelvane::SqliteRollBook book(database.Connection());
            const auto player = book.AddCharacter("Player").value();
            kelvane::SqliteTableOutbox outbox(database.Connection());
            kelvane::SqliteRollLog log(database.Connection());
            for (int row = 0; row < 3000; ++row) {
                const std::string text = "Longsword " + std::to_string(row) + std::string(40, 'x');
                if (where == "book") {
                    book.AddRoll(player, text, "d20+5");
                } else if (where == "outbox") {
                    outbox.Add(row, text);
                } else {
                    kelvane::LoggedRoll roll;
                    roll.label = text;
                    roll.notation = "d20+5";
                    static_cast<void>(log.Add(roll));
                }
            }
            // The page the next roll is written to, or else the file's last page.
            damagedPage = where == "log" ? database.Connection().QueryInteger(
                                               "SELECT pageno FROM dbstat WHERE name = 'roll_log' "
                                               "AND pagetype = 'leaf' ORDER BY path DESC LIMIT 1")
                                         : database.Connection().QueryInteger("PRAGMA page_count");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray damaged = file.readAll();
        damaged.replace((damagedPage - 1) * 4096, 4096, QByteArray(4096, '\x5a'));
        QVERIFY(file.seek(0));
        QCOMPARE(file.write(damaged), damaged.size());
        file.close();

        Rig rig;
        kelvane::RollLogger& logger = rig.session.Logger();
        if (where == "log") {
            rig.window.RollNotationText("d6 # Lost");
            QVERIFY(!logger.Keeping());
        }
        QTRY_VERIFY(rig.Find<QLabel>("lblNotationMessage").text().startsWith(sentenceStart));
        QString aside = rig.Find<QLabel>("lblNotationMessage").text().mid(sentenceStart.size());
        QVERIFY2(aside.endsWith(sentenceEnd), qPrintable(aside));
        aside.chop(sentenceEnd.size());
        QFile kept(aside);
        QVERIFY2(kept.open(QIODevice::ReadOnly), qPrintable(aside));
        // The copy holds the damaged page, beside all committed since to the -wal.
        QCOMPARE(kept.readAll().mid((damagedPage - 1) * 4096, 4096), QByteArray(4096, '\x5a'));
        rig.Save("d6 # After");
        QCOMPARE(rig.Rows(), rows + "After d6");
        rig.window.RollNotationText("d6 # After");
        QVERIFY(logger.Keeping());
        const auto logged = logger.Log()->Page({}, std::nullopt, 10);
        // The roll that met the damage waited, and went into the fresh log before this one.
        QCOMPARE(logged.size(), where == "log" ? 2U : 1U);
        QCOMPARE(logged.front().label, std::string("After"));
        QVERIFY(kelvane::KelvaneDatabase::CheckFile(path.toStdString()));
    }

  private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(RollBookPanelTest)
#include "RollBookPanel_test.moc"
