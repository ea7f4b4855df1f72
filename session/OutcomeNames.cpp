#include "session/OutcomeNames.h"

#include <QHash>
#include <QLocale>

#include "platform/qt/QtText.h"

namespace kelvane {

QString OutcomeNames::Name(std::string_view id, std::string_view name) {
    // The source texts by id; each call translates anew, so a language changed since shows.
    static const QHash<QString, const char*> kSourceTexts{
        // Powered by the Apocalypse.
        {QStringLiteral("strong_hit"), QT_TR_NOOP("Strong hit")},
        {QStringLiteral("weak_hit"), QT_TR_NOOP("Weak hit")},
        {QStringLiteral("miss"), QT_TR_NOOP("Miss")},
        // Blades in the Dark; "success" and "failure" also serve the other systems.
        {QStringLiteral("critical"), QT_TR_NOOP("Critical")},
        {QStringLiteral("success"), QT_TR_NOOP("Success")},
        {QStringLiteral("partial"), QT_TR_NOOP("Partial")},
        {QStringLiteral("failure"), QT_TR_NOOP("Failure")},
        // Savage Worlds.
        {QStringLiteral("critical_failure"), QT_TR_NOOP("Critical failure")},
        {QStringLiteral("raise"), QT_TR_NOOP("Raise")},
        // Call of Cthulhu.
        {QStringLiteral("fumble"), QT_TR_NOOP("Fumble")},
        {QStringLiteral("extreme_success"), QT_TR_NOOP("Extreme success")},
        {QStringLiteral("hard_success"), QT_TR_NOOP("Hard success")},
        {QStringLiteral("regular_success"), QT_TR_NOOP("Regular success")},
        // Chronicles of Darkness.
        {QStringLiteral("exceptional_success"), QT_TR_NOOP("Exceptional success")},
        {QStringLiteral("dramatic_failure"), QT_TR_NOOP("Dramatic failure")},
        // Shadowrun.
        {QStringLiteral("glitch"), QT_TR_NOOP("Glitch")},
        {QStringLiteral("critical_glitch"), QT_TR_NOOP("Critical glitch")},
        // Fate's ladder.
        {QStringLiteral("legendary"), QT_TR_NOOP("Legendary")},
        {QStringLiteral("epic"), QT_TR_NOOP("Epic")},
        {QStringLiteral("fantastic"), QT_TR_NOOP("Fantastic")},
        {QStringLiteral("superb"), QT_TR_NOOP("Superb")},
        {QStringLiteral("great"), QT_TR_NOOP("Great")},
        {QStringLiteral("good"), QT_TR_NOOP("Good")},
        {QStringLiteral("fair"), QT_TR_NOOP("Fair")},
        {QStringLiteral("average"), QT_TR_NOOP("Average")},
        {QStringLiteral("mediocre"), QT_TR_NOOP("Mediocre")},
        {QStringLiteral("poor"), QT_TR_NOOP("Poor")},
        {QStringLiteral("terrible"), QT_TR_NOOP("Terrible")},
        // D&D.
        {QStringLiteral("critical_hit"), QT_TR_NOOP("Critical hit")},
        {QStringLiteral("hit"), QT_TR_NOOP("Hit")},
    };
    const auto source = id.empty() ? kSourceTexts.cend() : kSourceTexts.constFind(ToQString(id));
    return source == kSourceTexts.cend() ? ToQString(name) : tr(*source);
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
        //: A Savage Worlds raise with how many raises, such as "Raise, 2 raises".
        return tr("%1, %n raise(s)", nullptr, n).arg(named);
    }
    //: A Shadowrun outcome with its hits, such as "Success, 3 hits" or "Glitch, 1 hit".
    return tr("%1, %n hit(s)", nullptr, n).arg(named);
}

QString OutcomeNames::Text(const notation::RolledOutcome& outcome) {
    return Text(outcome.id, outcome.name, outcome.count, outcome.countWord);
}

std::string OutcomeNames::Words(const notation::RolledOutcome& outcome) {
    return Text(outcome).toStdString();
}

}  // namespace kelvane
