#include "ui/main/RollBookFile.h"

#include <QtTest>
#include <variant>

using kelvane::CharacterRolls;
using kelvane::RollBookFile;

namespace {

QByteArray Book(const QByteArray& characters, const QByteArray& version = "1") {
    return R"({"format": "kelvane-roll-book", "version": )" + version + R"(, "characters": )" +
           characters + "}";
}

// A file of the given number of rolls of d6, all of one character.
QByteArray Rolls(int count) {
    QByteArray rolls;
    for (int roll = 0; roll < count; ++roll) {
        rolls += (roll > 0 ? "," : "") + QByteArray(R"({"name": "r", "notation": "d6"})");
    }
    return Book(R"([{"name": "Goblin", "rolls": [)" + rolls + "]}]");
}

}  // namespace

class RollBookFileTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    void refusesABadFileWhole_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("not JSON") << QByteArray("{\n  \"format\": kelvane\n}")
                                  << "The file is not JSON: line 2, column 13: illegal number.";
        QTest::newRow("another JSON")
            << QByteArray(R"({"characters": []})") << "The file is not a Kelvane roll book.";
        QTest::newRow("a newer version")
            << Book("[]", "2")
            << "The file's version 2 is not one Kelvane reads (it reads version 1).";
        QTest::newRow("a text version")
            << Book("[]", "\"one\"")
            << "The file's version one is not one Kelvane reads (it reads version 1).";
        // Lists that are not lists: read as such, they would make an empty book.
        QTest::newRow("characters not a list")
            << Book(R"({"name": "Goblin", "rolls": []})") << "The file is not a Kelvane roll book.";
        QTest::newRow("no characters")
            << QByteArray(R"({"format": "kelvane-roll-book", "version": 1})")
            << "The file is not a Kelvane roll book.";
        QTest::newRow("rolls not a list") << Book(R"([{"name": "Goblin", "rolls": "d6"}])")
                                          << "The file is not a Kelvane roll book.";
        QTest::newRow("a nameless character")
            << Book(R"([{"rolls": []}])") << "A character in the file has no name.";
        QTest::newRow("a bad notation")
            << Book(R"([{"name": "Goblin", "rolls": [{"name": "Bite", "notation": "2d"}]}])")
            << "The roll \"2d\" of Goblin cannot be read. Column 3: a number of sides should "
               "follow d.";
        QTest::newRow("too many rolls")
            << Rolls(10001) << "The file holds more than 10,000 rolls for Goblin.";
        QTest::newRow("over 10 MB")
            << QByteArray(10 * 1024 * 1024 + 1, ' ') << "The file is larger than 10 MB.";
    }

    void refusesABadFileWhole() {
        QFETCH(QByteArray, json);
        QFETCH(QString, refusal);
        const auto read = RollBookFile::Read(json);
        QVERIFY(std::holds_alternative<QString>(read));
        QCOMPARE(std::get<QString>(read), refusal);
    }

    void readsWhatItWrites() {
        std::vector<CharacterRolls> book = {
            // 10,000 rolls for the last, the most a character may hold; then a thousand
            // characters of a hundred rolls, which come to over 10 MB indented.
            {"Ærwen", {{"Longsword", "d20+5"}, {"Sneak attack", "3d6"}}},
            {"Goblin", {}},
            {"The rest", std::vector<CharacterRolls::Roll>(10000, {"r", "4dF+1"})}};
        book.resize(1003,
                    {"Ogre", std::vector<CharacterRolls::Roll>(100, {"Club", "2d8+4 # Club"})});
        const auto read = RollBookFile::Read(RollBookFile::Write(book));
        QVERIFY(std::holds_alternative<std::vector<CharacterRolls>>(read));
        const auto& characters = std::get<std::vector<CharacterRolls>>(read);
        QCOMPARE(characters.size(), 1003U);
        QCOMPARE(characters[0].name, "Ærwen");
        QCOMPARE(characters[0].rolls[1].name, "Sneak attack");
        QCOMPARE(characters[0].rolls[1].notation, "3d6");
        QVERIFY(characters[1].rolls.empty());
        QCOMPARE(characters[2].rolls.size(), 10000U);
    }
};

QTEST_GUILESS_MAIN(RollBookFileTest)
#include "RollBookFile_test.moc"
