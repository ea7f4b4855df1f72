#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <variant>
#include <vector>

#include "platform/RollBook.h"

namespace kelvane {

// A roll book file: JSON of a versioned format (see README.md), read whole and refused whole,
// with a sentence in the player's language that says what is wrong.
class RollBookFile {
    Q_DECLARE_TR_FUNCTIONS(RollBookFile)

  public:
    static constexpr int kVersion = 1;
    static constexpr qint64 kMaxBytes = 10 * 1024 * 1024;
    static constexpr std::size_t kMaxRolls = 10'000;

    [[nodiscard]] static QByteArray Write(const std::vector<CharacterRolls>& book);
    // The characters, or the sentence that refuses the text.
    [[nodiscard]] static std::variant<std::vector<CharacterRolls>, QString> Read(
        const QByteArray& json);

    // The same through a file; writing replaces the file whole or not at all.
    [[nodiscard]] static QString WriteFile(const QString& path,
                                           const std::vector<CharacterRolls>& book);
    [[nodiscard]] static std::variant<std::vector<CharacterRolls>, QString> ReadFile(
        const QString& path);

  private:
    // Said of JSON that is not of this format, or whose lists are not lists.
    [[nodiscard]] static QString NotARollBook();
};

}  // namespace kelvane
