#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

#include "platform/storage/KelvaneDatabase.h"
#include "session/RollLogger.h"
#include "session/RollSession.h"
#include "session/TableSettings.h"
#include "session/TableSharing.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"
#include "ui/about/frmAbout.h"
#include "ui/log/RollLogModel.h"
#include "ui/log/RollLogWindow.h"
#include "ui/main/RollBookPanel.h"
#include "ui/main/formKelvane.h"
#include "ui/sharing/TableDialog.h"

using kelvane::formKelvane;
using kelvane::frmAbout;
using kelvane::TableDialog;
using kelvane::TableSharing;
using kelvane::Translations;
using kelvane::testing::ScriptedRandomSource;

namespace {

// What stays the same in every language: the product, the notation, numbers, the address, and
// the roll's total, spoken after its name.
const QStringList kData = {"Windows Kelvane",
                           "Kelvane",
                           "d4",
                           "d6",
                           "d8",
                           "d10",
                           "d12",
                           "d20",
                           "d100",
                           "M",
                           "dN",
                           "0",
                           "1",
                           "30",
                           "Check1",
                           "https://kelvane.example.org",
                           "-15968000",
                           "32000d-999: -15968000"};

// Every text a person sees or hears on both windows, by control and kind, after a roll with
// the longest name the boxes allow.
std::map<QString, QString> Texts(std::initializer_list<QWidget*> tops) {
    std::map<QString, QString> texts;
    for (QWidget* top : tops) {
        texts[top->objectName() + " caption"] = top->windowTitle();
        for (const QWidget* control : top->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
                texts[name + " caption"] = button->text();
            } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
                texts[name + " caption"] = label->text();
            } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
                texts[name + " caption"] = frame->title();
            }
            texts[name + " tool tip"] = control->toolTip();
            texts[name + " accessible name"] = control->accessibleName();
            texts[name + " accessible description"] = control->accessibleDescription();
        }
    }
    return texts;
}

// Whether each caption is shown whole: single lines within the control's contents, wrapped
// text within its height.
void VerifyCaptionsFit(const QWidget& top) {
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const int needed =
            label->wordWrap()
                ? label->heightForWidth(room.width())
                : label->fontMetrics().horizontalAdvance(
                      label->buddy() != nullptr ? QString(label->text()).remove(QLatin1Char('&'))
                                                : label->text());
        QVERIFY2(needed <= (label->wordWrap() ? room.height() : room.width()),
                 qPrintable(label->objectName() + ": " + label->text()));
    }
    for (const QPushButton* button : top.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(shown) <= room.width(),
                 qPrintable(button->objectName() + ": " + shown));
    }
    for (const QGroupBox* frame : top.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(frame->rect().contains(caption),
                 qPrintable(frame->objectName() + ": " + frame->title()));
    }
}

// Whether no two controls of a window answer the same Alt key.
void VerifyMnemonicsDistinct(const QWidget& top) {
    std::map<QKeySequence, QString> owners;
    const auto claim = [&owners](const QString& text, const QString& owner) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) {
            return;
        }
        const auto [at, added] = owners.emplace(key, owner);
        QVERIFY2(added, qPrintable(at->second + " and " + owner + " both take " + key.toString()));
    };
    for (const QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
        claim(button->text(), button->objectName());
    }
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            claim(label->text(), label->objectName());
        }
    }
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    void initTestCase() {
        QApplication::setApplicationName("Kelvane");
        QApplication::setApplicationDisplayName("Kelvane");
        QApplication::setApplicationVersion("1.0.0");
        english_ = Shown();
    }

    void everyTextInTheLanguageAndWhole_data() {
        // The user-interface languages, most preferred first, as LANGUAGE lists them.
        QTest::addColumn<QString>("locale");
        // Words a language shares with English, besides the data.
        QTest::addColumn<QStringList>("shared");
        // The result frame's caption: the roll stays notation whatever word names it.
        QTest::addColumn<QString>("result");
        const QString roll = "32000d-999";
        QTest::newRow("English") << "en_US" << QStringList() << "Result: " + roll;
        QTest::newRow("unknown") << "ru_RU" << QStringList() << "Result: " + roll;
        const QStringList germanAndFrench{"OK",        "Version 1.0.0", "Kelvane Version 1.0.0",
                                          "&Notation", "Table",         "&Table…",
                                          "Total"};
        QTest::newRow("English before German") << "en:de" << QStringList() << "Result: " + roll;
        QTest::newRow("unknown before German") << "ru:de" << germanAndFrench << "Ergebnis: " + roll;
        QTest::newRow("German") << "de_DE" << germanAndFrench << "Ergebnis: " + roll;
        QTest::newRow("Austrian German") << "de_AT" << germanAndFrench << "Ergebnis: " + roll;
        QTest::newRow("French") << "fr_FR" << germanAndFrench << "Résultat\u00a0: " + roll;
        QTest::newRow("Spanish") << "es_ES" << QStringList{"Total"} << "Resultado: " + roll;
        QTest::newRow("Italian") << "it_IT" << QStringList{"OK"} << "Risultato: " + roll;
        QTest::newRow("Brazilian Portuguese")
            << "pt_BR" << QStringList{"OK", "Total"} << "Resultado: " + roll;
        QTest::newRow("Polish") << "pl_PL" << QStringList{"OK"} << "Wynik: " + roll;
    }

    void everyTextInTheLanguageAndWhole() {
        QFETCH(QString, locale);
        QFETCH(QStringList, shared);
        QFETCH(QString, result);
        const Translations translations{locale.split(':')};
        const std::map<QString, QString> texts = Shown();
        const bool english = locale.startsWith("en") || locale == "ru_RU";
        for (const auto& [what, text] : texts) {
            const QString& source = english_.at(what);
            if (english || text.isEmpty() || kData.contains(text) || shared.contains(text)) {
                QCOMPARE(text, source);
            } else {
                QVERIFY2(text != source, qPrintable(what + " left in English: " + text));
            }
        }
        QCOMPARE(texts.at("frmResult caption"), result);
        // Qt's own texts are in the same language.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QVERIFY2((cancel == "Cancel") == english, qPrintable("Qt's Cancel reads " + cancel));
    }

  private:
    // Shows the windows in the language in force, checks that every caption is whole and
    // returns their texts.
    std::map<QString, QString> Shown() {
        // A change of language reaches the shared About dialog as a posted event.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        ScriptedRandomSource random({0.5F});
        kelvane::RollSession session(QStringLiteral(":memory:"));
        formKelvane window(session, random);
        window.findChild<QLineEdit*>("txtM")->setText("32e3");
        window.findChild<QLineEdit*>("txtN")->setText("-999");
        window.findChild<QPushButton*>("btnMdN")->click();
        // The roll's odds line, which follows the roll from a worker thread.
        const auto& odds = *window.findChild<QLabel*>("lblOdds");
        if (!QTest::qWaitFor([&odds] { return !odds.text().isEmpty(); })) {
            qFatal("the odds line never came");
        }
        window.show();
        // Every sentence about a notation fits beside the box, with the widest column number.
        auto& message = *window.findChild<QLabel*>("lblNotationMessage");
        for (auto code = kelvane::notation::ErrorCode::Empty;
             code <= kelvane::notation::ErrorCode::ResultOutOfRange;
             code = static_cast<kelvane::notation::ErrorCode>(static_cast<int>(code) + 1)) {
            message.setText(formKelvane::ErrorSentence({code, 1001}));
            VerifyCaptionsFit(window);
        }
        // And every sentence about a roll book that cannot be saved (SQLite's codes for a
        // full disk, a read-only file, a newer schema and any other error).
        for (const int code : {13, 8, 17, 1}) {
            message.setText(kelvane::RollBookPanel::CannotSaveSentence(code));
            VerifyCaptionsFit(window);
        }
        message.clear();
        // The band's sentence for a roll log that cannot be written fits too.
        window.ShowLogMessage(kelvane::RollLogger::NotKeptSentence());
        VerifyCaptionsFit(window);
        frmAbout& dialog = frmAbout::Instance();
        dialog.ShowDialog();
        VerifyCaptionsFit(window);
        VerifyCaptionsFit(dialog);
        VerifyMnemonicsDistinct(window);

        // The band's line on sharing, and the Table dialog with each of its sentences.
        auto& tableStatus = *window.findChild<QLabel*>("lblTableStatus");
        for (const QString& status :
             {TableSharing::tr("%n rolls waiting to be shared", nullptr, 1000),
              TableSharing::tr("The table's webhook is gone: paste a new one"),
              TableSharing::tr("Not shared: the table's server could not prove it is Discord"),
              TableSharing::tr("Not shared: rolls cannot be kept in the database")}) {
            tableStatus.setText(status);
            VerifyCaptionsFit(window);
        }
        tableStatus.setText(TableSharing::tr("Shared"));
        TableDialog table(kelvane::TableSettings{}, QString());
        table.show();
        auto& tableMessage = *table.findChild<QLabel*>("lblTableMessage");
        for (const char* url : {"", "http://x", "https://x/", "https://discord.com/x"}) {
            tableMessage.setText(TableSharing::WebhookUrlSentence(url));
            VerifyCaptionsFit(table);
        }
        // And each answer to "Send a test message", with Discord's longest reason.
        for (const QString& answer :
             {TableSharing::NameSentence("Clyde"), TableSharing::tr("The test message was posted."),
              TableSharing::tr("Discord did not answer; try again later."),
              TableSharing::tr("Discord refused the message: %1")
                  .arg("Invalid Form Body: username: Username cannot contain \"discord\""),
              TableSharing::tr("Not shared: the table's server could not prove it is Discord")}) {
            tableMessage.setText(answer);
            VerifyCaptionsFit(table);
        }
        // The Roll log window, on an empty log of its own.
        const QTemporaryDir data;
        kelvane::KelvaneDatabase database(data.filePath("kelvane.sqlite3").toStdString());
        kelvane::RollLogger logger(database);
        kelvane::RollLogWindow log(logger, [](const QString&) {});
        log.ShowWindow();
        VerifyCaptionsFit(log);
        VerifyMnemonicsDistinct(table);
        VerifyMnemonicsDistinct(log);
        std::map<QString, QString> texts = Texts({&window, &dialog, &table, &log});
        // The roll log's column headers, and what its Shared column says of a roll.
        const QAbstractItemModel& rows = *log.findChild<QTableView*>("tblLog")->model();
        for (int column = 0; column < rows.columnCount(); ++column) {
            texts["tblLog column " + QString::number(column)] =
                rows.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        }
        for (const auto state : {kelvane::ShareState::kWaiting, kelvane::ShareState::kShared}) {
            kelvane::LoggedRoll roll;
            roll.share = state;
            texts["tblLog shared " + QString::number(static_cast<int>(state))] =
                kelvane::RollLogModel::SharedText(roll);
        }
        return texts;
    }

    std::map<QString, QString> english_;
};

QTEST_MAIN(TranslationsTest)
#include "Translations_test.moc"
