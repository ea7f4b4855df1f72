#include "session/OddsLine.h"

#include <QLocale>
#include <QStringList>

#include "session/OutcomeNames.h"

namespace kelvane {

namespace {

// A failure share this small beside the whole is the rounding of a sum, not a share of its own.
constexpr double kFailureRounding = 1e-9;
// The chances of a roll's outcomes add up to 1 within this much when every result has one.
constexpr double kNoOutcomeRounding = 1e-9;

// A share kept on one line where the odds line wraps: "45.37 %" never leaves its "%" below.
QString Unbroken(QString share) { return share.replace(QLatin1Char(' '), QChar::Nbsp); }

}  // namespace

QString OddsLine::Share(double chance, bool exact) {
    const QLocale locale;
    const double percent = chance * 100.0;
    //: A share of rolls, %1 being a number such as 42.13.
    const QString limit = tr("%1 %");
    const QString text =
        percent > 0.0 && percent < 0.01      ? "< " + limit.arg(locale.toString(0.01, 'f', 2))
        : percent < 100.0 && percent > 99.99 ? "> " + limit.arg(locale.toString(99.99, 'f', 2))
                                             : limit.arg(locale.toString(percent, 'f', 2));
    return exact ? text : QStringLiteral("≈ ") + text;
}

QString OddsLine::Standing(const Distribution& odds, std::int64_t total) {
    //: The share of rolls that reach the rolled total, such as "15 or more: 42.13 %".
    return tr("%1 or more: %2")
        .arg(QLocale().toString(static_cast<qlonglong>(total)),
             Share(odds.AtLeast(total), odds.IsExact()));
}

QString OddsLine::Text(const Distribution& odds, std::int64_t total) {
    const QLocale locale;
    const bool exact = odds.IsExact();
    const auto share = [exact](double chance) { return Share(chance, exact); };
    const QString rolled = locale.toString(static_cast<qlonglong>(total));
    QStringList parts{Standing(odds, total)};
    //: The share of rolls that stay at the rolled total, such as "15 or less: 65.33 %".
    parts << tr("%1 or less: %2").arg(rolled, share(odds.AtMost(total)));
    //: The roll's mean total, such as "average 12.24".
    parts << tr("average %1").arg(locale.toString(odds.Mean(), 'f', 2));
    const QString least = locale.toString(static_cast<qlonglong>(odds.Least()));
    // Exploding dice have no most total: the table's last one is only where it stops counting.
    parts
        << (odds.IsOpenEnded()
                //: The least total of a roll whose dice explode and so has no most, such as
                //: "3 and up".
                ? tr("%1 and up").arg(least)
                //: The least and the most total the roll can show, such as "3 to 18".
                : tr("%1 to %2").arg(least, locale.toString(static_cast<qlonglong>(odds.Most()))));
    if (!exact) {
        //: Said of odds taken from a normal curve, when the exact ones would take too long.
        parts << tr("approximate");
    }
    const double diceLimit = odds.DiceLimitChance();
    // What is left once the dice limit's share is taken out, up to the rounding of the sum.
    const double otherFailure = odds.FailureChance() - diceLimit;
    if (otherFailure > odds.FailureChance() * kFailureRounding) {
        //: The share of rolls that end in an error, such as a division by zero.
        parts << tr("no result: %1").arg(share(otherFailure));
    }
    if (diceLimit > 0.0) {
        //: The share of rolls that would throw more dice than one roll may, and so end
        //: without a total, such as "too many dice: 0.02 %".
        parts << tr("too many dice: %1").arg(share(diceLimit));
    }
    return parts.join(QStringLiteral("  ·  "));
}

std::vector<OddsLine::ShownOutcome> OddsLine::Shown(const notation::Reading& reading,
                                                    const OutcomeChances& outcomes) {
    std::vector<ShownOutcome> shown;
    for (std::size_t i = 0; i < reading.rules.size() && i < outcomes.chances.size(); ++i) {
        if (outcomes.chances[i] > 0.0) {
            const notation::OutcomeRule& rule = reading.rules[i];
            shown.push_back({i, OutcomeNames::Name(rule.id, rule.name), outcomes.chances[i]});
        }
    }
    return shown;
}

QString OddsLine::Outcomes(const notation::Reading& reading, const OutcomeChances& outcomes) {
    QStringList parts;
    double named = 0.0;
    for (const ShownOutcome& outcome : Shown(reading, outcomes)) {
        named += outcome.chance;
        //: An outcome and the share of rolls that have it, such as "Partial: 45.37 %".
        parts << tr("%1: %2").arg(outcome.name, Unbroken(Share(outcome.chance, outcomes.exact)));
    }
    // Bands with a gap between them leave some results unnamed.
    if (1.0 - named > kNoOutcomeRounding) {
        //: The share of rolls whose result falls in none of the roll's bands.
        parts << tr("no outcome: %1").arg(Unbroken(Share(1.0 - named, outcomes.exact)));
    }
    return parts.join(QStringLiteral("  ·  "));
}

QString OddsLine::OutcomeChance(const OutcomeChances& outcomes, std::size_t index) {
    return index < outcomes.chances.size()
               ? QStringLiteral("(%1)").arg(Share(outcomes.chances[index], outcomes.exact))
               : QString();
}

}  // namespace kelvane
