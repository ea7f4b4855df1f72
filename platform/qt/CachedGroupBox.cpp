#include "CachedGroupBox.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

namespace kelvane {

bool CachedGroupBox::Shows(const QStyleOptionGroupBox& option, qreal ratio) const {
    return !frame_.isNull() && frame_.devicePixelRatio() == ratio && drawn_.rect == option.rect &&
           drawn_.text == option.text && drawn_.state == option.state &&
           drawn_.direction == option.direction &&
           drawn_.palette.cacheKey() == option.palette.cacheKey() &&
           drawn_.fontMetrics == option.fontMetrics && drawn_.features == option.features &&
           drawn_.subControls == option.subControls &&
           drawn_.activeSubControls == option.activeSubControls &&
           drawn_.textAlignment == option.textAlignment && drawn_.textColor == option.textColor;
}

void CachedGroupBox::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatio();
    // At a fractional scale the box's edge falls inside a pixel, which a copy would smear.
    if (ratio != std::floor(ratio)) {
        frame_ = QPixmap();
        QGroupBox::paintEvent(event);
        return;
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!Shows(option, ratio)) {
        // Drawn over transparency, so that what lies behind the box still shows through it.
        frame_ = QPixmap((QSizeF(size()) * ratio).toSize());
        frame_.setDevicePixelRatio(ratio);
        frame_.fill(Qt::transparent);
        // Set up as a painter on the box itself would be.
        QPainter framePainter(&frame_);
        framePainter.setFont(font());
        framePainter.setPen(palette().color(foregroundRole()));
        framePainter.setLayoutDirection(layoutDirection());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &framePainter, this);
        drawn_ = option;
    }
    QPainter(this).drawPixmap(0, 0, frame_);
}

void CachedGroupBox::changeEvent(QEvent* event) {
    // A new style or style sheet may draw the same option differently.
    if (event->type() == QEvent::StyleChange) {
        frame_ = QPixmap();
    }
    QGroupBox::changeEvent(event);
}

}  // namespace kelvane
