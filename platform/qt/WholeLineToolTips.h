#pragma once

#include <QStyledItemDelegate>

namespace kelvane {

// Draws a list's lines as usual and, when a line is cut short with "...", shows it whole as
// the tool tip of its row. Elsewhere the list keeps its own tool tip.
class WholeLineToolTips final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WholeLineToolTips)

  public:
    explicit WholeLineToolTips(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}
    ~WholeLineToolTips() override = default;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace kelvane
