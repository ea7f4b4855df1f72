#include "ui/main/RollBookFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QSaveFile>
#include <string_view>

#include "engine/Notation.h"
#include "platform/qt/QtText.h"
#include "ui/main/formKelvane.h"

namespace kelvane {

namespace {

const QString kFormat = QStringLiteral("kelvane-roll-book");

// The line and column, both from 1, of a byte offset into the text.
std::pair<int, int> LineAndColumn(const QByteArray& text, qsizetype offset) {
    const QByteArray before = text.left(offset);
    const auto lineStart = before.lastIndexOf('\n') + 1;
    const int column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
    return {static_cast<int>(before.count('\n')) + 1, column};
}

}  // namespace

QByteArray RollBookFile::Write(const std::vector<CharacterRolls>& book) {
    QJsonArray characters;
    for (const auto& character : book) {
        QJsonArray rolls;
        for (const auto& roll : character.rolls) {
            rolls.append(QJsonObject{{QStringLiteral("name"), ToQString(roll.name)},
                                     {QStringLiteral("notation"), ToQString(roll.notation)}});
        }
        characters.append(QJsonObject{{QStringLiteral("name"), ToQString(character.name)},
                                      {QStringLiteral("rolls"), rolls}});
    }
    const QJsonObject file{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("characters"), characters}};
    const QJsonDocument document(file);
    // Indented for a reader, unless that would make the file too large to be imported again.
    const QByteArray text = document.toJson(QJsonDocument::Indented);
    return text.size() <= kMaxBytes ? text : document.toJson(QJsonDocument::Compact);
}

QString RollBookFile::NotARollBook() { return tr("The file is not a Kelvane roll book."); }

std::variant<std::vector<CharacterRolls>, QString> RollBookFile::Read(const QByteArray& json) {
    if (json.size() > kMaxBytes) {
        return tr("The file is larger than 10 MB.");
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const auto [line, column] = LineAndColumn(json, parseError.offset);
        //: %1 and %2 are numbers; %3 is Qt's own description of the error.
        return tr("The file is not JSON: line %1, column %2: %3.")
            .arg(line)
            .arg(column)
            .arg(parseError.errorString());
    }
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != kFormat) {
        return NotARollBook();
    }
    const QJsonValue version = file.value(QStringLiteral("version"));
    if (version.toInt(-1) != kVersion) {
        //: %1 is the version the file names; %2 the one this program reads.
        return tr("The file's version %1 is not one Kelvane reads (it reads version %2).")
            .arg(version.isDouble() ? QLocale().toString(version.toDouble())
                                    : version.toVariant().toString())
            .arg(kVersion);
    }
    const QJsonValue characters = file.value(QStringLiteral("characters"));
    if (!characters.isArray()) {
        return NotARollBook();
    }
    std::vector<CharacterRolls> book;
    for (const QJsonValue& characterValue : characters.toArray()) {
        const QJsonObject character = characterValue.toObject();
        const QString name = character.value(QStringLiteral("name")).toString().trimmed();
        if (name.isEmpty()) {
            return tr("A character in the file has no name.");
        }
        const QJsonValue rollsValue = character.value(QStringLiteral("rolls"));
        if (!rollsValue.isArray()) {
            return NotARollBook();
        }
        CharacterRolls read{name.toStdString(), {}};
        const QJsonArray rolls = rollsValue.toArray();
        // A limit on each character's list, not on the book: a book of a thousand characters
        // with a hundred rolls each is read back whole.
        if (static_cast<std::size_t>(rolls.size()) > kMaxRolls) {
            //: %1 is the most rolls a character may hold; %2 the character's name.
            return tr("The file holds more than %1 rolls for %2.")
                .arg(QLocale().toString(static_cast<qulonglong>(kMaxRolls)), name);
        }
        for (const QJsonValue& rollValue : rolls) {
            const QJsonObject roll = rollValue.toObject();
            const QString rollName = roll.value(QStringLiteral("name")).toString().trimmed();
            const QString notation = roll.value(QStringLiteral("notation")).toString().trimmed();
            const QByteArray utf8 = notation.toUtf8();
            const auto parsed = notation::Parse(
                std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
            if (const auto* error = std::get_if<notation::Error>(&parsed)) {
                //: %1 is the roll's notation, %2 its character, %3 why it cannot be read.
                return tr("The roll \"%1\" of %2 cannot be read. %3")
                    .arg(notation, name, formKelvane::ErrorSentence(*error));
            }
            read.rolls.push_back(
                {(rollName.isEmpty() ? notation : rollName).toStdString(), utf8.toStdString()});
        }
        book.push_back(std::move(read));
    }
    return book;
}

QString RollBookFile::WriteFile(const QString& path, const std::vector<CharacterRolls>& book) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Write(book)) < 0 || !file.commit()) {
        //: %1 is the file's name; %2 the system's reason.
        return tr("The roll book could not be written to %1: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    }
    return {};
}

std::variant<std::vector<CharacterRolls>, QString> RollBookFile::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 is the file's name; %2 the system's reason.
        return tr("%1 could not be read: %2").arg(QFileInfo(path).fileName(), file.errorString());
    }
    if (file.size() > kMaxBytes) {
        return tr("The file is larger than 10 MB.");
    }
    return Read(file.read(kMaxBytes + 1));
}

}  // namespace kelvane
