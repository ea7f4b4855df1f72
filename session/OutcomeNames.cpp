#include "session/OutcomeNames.h"

#include <QHash>

#include "platform/qt/QtText.h"

namespace kelvane {

namespace {

// The source texts by id; each call translates anew, so a language changed since shows.
const QHash<QString, const char*>& SourceTexts() {
    static const QHash<QString, const char*> kSourceTexts{
        // Powered by the Apocalypse.
        {QStringLiteral("strong_hit"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Strong hit")},
        {QStringLiteral("weak_hit"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Weak hit")},
        {QStringLiteral("miss"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Miss")},
        // Blades in the Dark; "success" and "failure" also serve the other systems.
        {QStringLiteral("critical"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Critical")},
        {QStringLiteral("success"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Success")},
        {QStringLiteral("partial"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Partial")},
        {QStringLiteral("failure"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Failure")},
        // Savage Worlds.
        {QStringLiteral("critical_failure"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Critical failure")},
        {QStringLiteral("raise"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Raise")},
        // Call of Cthulhu.
        {QStringLiteral("fumble"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Fumble")},
        {QStringLiteral("extreme_success"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Extreme success")},
        {QStringLiteral("hard_success"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Hard success")},
        {QStringLiteral("regular_success"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Regular success")},
        // Chronicles of Darkness.
        {QStringLiteral("exceptional_success"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Exceptional success")},
        {QStringLiteral("dramatic_failure"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Dramatic failure")},
        // Shadowrun.
        {QStringLiteral("glitch"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Glitch")},
        {QStringLiteral("critical_glitch"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Critical glitch")},
        // Fate's ladder.
        {QStringLiteral("legendary"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Legendary")},
        {QStringLiteral("epic"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Epic")},
        {QStringLiteral("fantastic"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Fantastic")},
        {QStringLiteral("superb"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Superb")},
        {QStringLiteral("great"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Great")},
        {QStringLiteral("good"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Good")},
        {QStringLiteral("fair"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Fair")},
        {QStringLiteral("average"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Average")},
        {QStringLiteral("mediocre"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Mediocre")},
        {QStringLiteral("poor"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Poor")},
        {QStringLiteral("terrible"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Terrible")},
        // D&D.
        {QStringLiteral("critical_hit"),
         QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Critical hit")},
        {QStringLiteral("hit"), QT_TRANSLATE_NOOP("kelvane::OutcomeNames", "Hit")},
    };
    return kSourceTexts;
}

}  // namespace

QString OutcomeNames::Name(std::string_view id, std::string_view name) {
    const auto& texts = SourceTexts();
    const auto source = id.empty() ? texts.cend() : texts.constFind(ToQString(id));
    if (source != texts.cend()) {
        return tr(*source);
    }
    // The log keeps a system's outcome by its id alone: one this version does not know still
    // shows as something.
    return ToQString(name.empty() ? id : name);
}

QString OutcomeNames::Text(std::string_view id, std::string_view name,
                           std::optional<std::int64_t> count, std::string_view countWord) {
    const QString named = Name(id, name);
    if (!count) {
        return named;
    }
    // %n takes an int; hits and raises are never more than a roll's dice.
    const int n = static_cast<int>(*count);
    if (countWord.starts_with("raise")) {
        return n == 1
                   //: A Savage Worlds raise with exactly one raise.
                   ? tr("%1, 1 raise").arg(named)
                   //: A Savage Worlds raise with how many raises, any number but one, such as
                   //: "Raise, 2 raises".
                   : tr("%1, %n raises", nullptr, n).arg(named);
    }
    return n == 1
               //: A Shadowrun outcome with exactly one hit, such as "Glitch, 1 hit".
               ? tr("%1, 1 hit").arg(named)
               //: A Shadowrun outcome with its hits, any number but one, such as
               //: "Success, 3 hits" or "Failure, 0 hits".
               : tr("%1, %n hits", nullptr, n).arg(named);
}

QString OutcomeNames::Text(const notation::RolledOutcome& outcome) {
    return Text(outcome.id, outcome.name, outcome.count, outcome.countWord);
}

std::vector<std::string> OutcomeNames::IdsNaming(const QString& text) {
    std::vector<std::string> ids;
    for (auto source = SourceTexts().cbegin(); source != SourceTexts().cend(); ++source) {
        if (tr(source.value()).contains(text, Qt::CaseInsensitive)) {
            ids.push_back(source.key().toStdString());
        }
    }
    return ids;
}

std::string OutcomeNames::Words(const notation::RolledOutcome& outcome) {
    return Text(outcome).toStdString();
}

}  // namespace kelvane
