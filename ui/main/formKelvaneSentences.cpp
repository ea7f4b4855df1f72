#include <QLocale>
#include <QString>
#include <QStringList>

#include "formKelvane.h"

// The sentences the main window builds from a roll: its odds line, and why notation cannot be
// rolled, which the roll book and its files show too.
namespace kelvane {

namespace {

// A failure share this small beside the whole is the rounding of a sum, not a share of its own.
constexpr double kFailureRounding = 1e-9;

}  // namespace

QString formKelvane::OddsText(const Distribution& odds, std::int64_t total) {
    const QLocale locale;
    const bool exact = odds.IsExact();
    const auto share = [&locale, exact](double chance) {
        const double percent = chance * 100.0;
        //: A share of rolls, %1 being a number such as 42.13.
        const QString limit = tr("%1 %");
        const QString text =
            percent > 0.0 && percent < 0.01      ? "< " + limit.arg(locale.toString(0.01, 'f', 2))
            : percent < 100.0 && percent > 99.99 ? "> " + limit.arg(locale.toString(99.99, 'f', 2))
                                                 : limit.arg(locale.toString(percent, 'f', 2));
        return exact ? text : QStringLiteral("≈ ") + text;
    };
    const QString rolled = locale.toString(static_cast<qlonglong>(total));
    QStringList parts;
    //: The share of rolls that reach the rolled total, such as "15 or more: 42.13 %".
    parts << tr("%1 or more: %2").arg(rolled, share(odds.AtLeast(total)));
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

QString formKelvane::ErrorSentence(const notation::Error& error) {
    using notation::ErrorCode;
    const QLocale locale;
    QString sentence;
    switch (error.code) {
        case ErrorCode::Empty:
            return tr("Type dice notation such as 3d6, d20+5 or 4d6dl1, then press Enter.");
        case ErrorCode::TooLong:
            return tr("Dice notation may be at most %1 characters long.")
                .arg(locale.toString(static_cast<qulonglong>(notation::kMaxTextLength)));
        case ErrorCode::ExpectedOperand:
            //: %1 is a column, counted in characters from the start of the box.
            sentence = tr("Column %1: a number, a die such as d6, or ( should come here.");
            break;
        case ErrorCode::ExpectedSides:
            sentence = tr("Column %1: a number of sides should follow d.");
            break;
        case ErrorCode::ExpectedOperator:
            sentence = tr("Column %1: an operator such as + should come here.");
            break;
        case ErrorCode::ExpectedCloseParen:
            sentence = tr("Column %1: a ) should close the parentheses.");
            break;
        case ErrorCode::UnmatchedCloseParen:
            sentence = tr("Column %1: this ) has no ( before it.");
            break;
        case ErrorCode::ExpectedTarget:
            sentence = tr("Column %1: a number should follow the comparison.");
            break;
        case ErrorCode::ExpectedHighOrLow:
            //: dh drops the highest dice, dl the lowest; keep the letters as they are.
            sentence = tr("Column %1: h or l should follow the d that drops dice.");
            break;
        case ErrorCode::RepeatedModifier:
            sentence = tr("Column %1: these dice already have this modifier.");
            break;
        case ErrorCode::FailureWithoutTarget:
            //: f counts failures, >=8 is a success target; keep both as they are.
            sentence = tr("Column %1: f counts failures only beside a success target such as >=8.");
            break;
        case ErrorCode::NumberTooLarge:
            sentence = tr("Column %1: this number is too large.");
            break;
        case ErrorCode::TooManyDice:
            return tr("Column %1: a roll may throw at most %2 dice.")
                .arg(error.column)
                .arg(locale.toString(static_cast<qlonglong>(notation::kMaxDice)));
        case ErrorCode::SidesOutOfRange:
            return tr("Column %1: a die has from 1 to %2 sides.")
                .arg(error.column)
                .arg(locale.toString(static_cast<qlonglong>(notation::kMaxSides)));
        case ErrorCode::NeverStops:
            sentence = tr("Column %1: every face meets this, so the dice would never stop.");
            break;
        case ErrorCode::DivisionByZero:
            sentence = tr("Column %1: division by zero.");
            break;
        case ErrorCode::ResultOutOfRange:
            sentence = tr("Column %1: the result is too large to work out exactly.");
            break;
    }
    return sentence.arg(error.column);
}

}  // namespace kelvane
