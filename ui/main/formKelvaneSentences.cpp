#include <QLocale>
#include <QString>
#include <QStringList>

#include "ui/main/formKelvane.h"

// Why notation cannot be rolled, which the roll book and its files show too.
namespace kelvane {

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
