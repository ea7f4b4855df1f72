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
        case ErrorCode::ExpectedBand:
            //: A band is a range of results and its name; keep 10+ as it is.
            sentence = tr("Column %1: a band such as 10+ Strong hit should come here.");
            break;
        case ErrorCode::BadBandRange:
            //: N and M stand for numbers; keep the signs as they are.
            sentence = tr("Column %1: a range is N, N-M, N+ or N-, such as 7-9.");
            break;
        case ErrorCode::ExpectedBandName:
            sentence = tr("Column %1: a name should follow the range.");
            break;
        case ErrorCode::BandNameTooLong:
            return tr("Column %1: a band's name may be at most %2 characters long.")
                .arg(error.column)
                .arg(locale.toString(static_cast<qulonglong>(notation::kMaxBandName)));
        case ErrorCode::TooManyBands:
            return tr("Column %1: a roll may have at most %2 bands.")
                .arg(error.column)
                .arg(locale.toString(static_cast<qulonglong>(notation::kMaxBands)));
        case ErrorCode::PbtaForm:
            //: pbta is typed as it is; M stands for the modifier.
            sentence = tr("Column %1: write pbta+M, with M from -3 to +4.");
            break;
        case ErrorCode::BitdForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence = tr("Column %1: write bitd N, with N from 0 to 10 dice.");
            break;
        case ErrorCode::SwForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence =
                tr("Column %1: write sw dX+M tnT, with X 4, 6, 8, 10 or 12, M from -10 to +10 and "
                   "T from 1 to 20; +M and tnT may be left out.");
            break;
        case ErrorCode::CocForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence =
                tr("Column %1: write coc S, with S from 1 to 100, then b1 or b2 for bonus dice or "
                   "p1 or p2 for penalty dice if needed.");
            break;
        case ErrorCode::CodForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence = tr("Column %1: write cod N, with N from 0 to 30 dice.");
            break;
        case ErrorCode::SrForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence = tr("Column %1: write sr N, with N from 1 to 50 dice.");
            break;
        case ErrorCode::FateForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence = tr("Column %1: write fate+M, with M from -5 to +8.");
            break;
        case ErrorCode::DndForm:
            //: Keep the shorthand's letters and signs as they are: they are what the player types.
            sentence =
                tr("Column %1: write dnd+M dcD for a check or dnd+M acA for an attack, with M from "
                   "-5 to +15 and D or A from 1 to 40, then adv or dis if needed.");
            break;
        case ErrorCode::ExpectedCloseBrace:
            sentence = tr("Column %1: a } should close the group.");
            break;
        case ErrorCode::UnmatchedCloseBrace:
            sentence = tr("Column %1: this } has no { before it.");
            break;
        case ErrorCode::GroupInGroup:
            sentence = tr("Column %1: a group cannot hold another group.");
            break;
        case ErrorCode::GroupModifier:
            //: Keep the examples as they are: they are what the player types.
            sentence =
                tr("Column %1: only keep, drop or a target such as kh1 or >=10 may follow "
                   "a group.");
            break;
        case ErrorCode::GroupOfOneNotDice:
            //: Keep the example as it is: it is what the player types.
            sentence = tr("Column %1: a group of one roll adds dice only, such as {4d6+2d8}.");
            break;
        case ErrorCode::ModifierInGroupOfOne:
            sentence =
                tr("Column %1: in a group of one roll, keep, drop and targets go after "
                   "the }.");
            break;
    }
    return sentence.arg(error.column);
}

}  // namespace kelvane
