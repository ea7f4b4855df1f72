#include "ui/log/LuckLine.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "engine/RollStanding.h"

namespace kelvane {

QString LuckLine::Percent(double chance) {
    const QLocale locale;
    const double percent = chance * 100.0;
    //: A share in percent, %1 being a number such as 8 or 0.25.
    const QString form = tr("%1 %");
    if (percent >= 1.0 || percent == 0.0) {
        return form.arg(locale.toString(std::round(percent), 'f', 0));
    }
    if (percent >= 0.01) {
        return form.arg(locale.toString(percent, 'f', 2));
    }
    return QStringLiteral("< ") + form.arg(locale.toString(0.01, 'f', 2));
}

QString LuckLine::RollCount(std::int64_t count) {
    if (count == 1) {
        //: The luck line's count of rolls, for exactly one.
        return tr("1 roll");
    }
    //: The luck line's count of rolls, for any number but one (0, 2, 57, 1000000).
    return tr("%n rolls", nullptr, static_cast<int>(count));
}

QString LuckLine::Text(const RollLogSums& sums) {
    const Luck luck = LuckOf(sums);
    QStringList parts;
    parts << RollCount(luck.counted);
    if (luck.counted > 0) {
        //: The mean of the rolls' standings, such as "average standing 41 %".
        parts << tr("average standing %1").arg(Percent(luck.averageStanding));
        parts << (luck.high
                      //: How often fair dice would do as well: %1 is a share such as 8 %.
                      ? tr("fair dice roll this high or higher %1 of the time")
                      //: How often fair dice would do as badly: %1 is a share such as 8 %.
                      : tr("fair dice roll this low or lower %1 of the time"))
                     .arg(Percent(luck.chance));
    }
    if (luck.withoutOdds > 0) {
        //: Rolls whose odds were never worked out, and so are not weighed: %1 is a number of
        //: rolls, such as "3 rolls".
        parts << tr("%1 without odds left out").arg(RollCount(luck.withoutOdds));
    }
    return parts.join(QStringLiteral(" · "));
}

}  // namespace kelvane
