#include "platform/qt/WholeLineToolTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace kelvane {

bool WholeLineToolTips::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    // The width the line would need, margins included, beside the width it has.
    if (sizeHint(option, index).width() <= view->visualRect(index).width()) {
        return false;
    }
    QToolTip::showText(event->globalPos(), index.data().toString(), view, option.rect);
    return true;
}

}  // namespace kelvane
