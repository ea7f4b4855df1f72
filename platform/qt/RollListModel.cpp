#include "platform/qt/RollListModel.h"

#include <utility>

#include "platform/qt/QtText.h"

namespace kelvane {

RollListModel::RollListModel(QObject* parent) : QAbstractListModel(parent) {}

int RollListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.Count());
}

QVariant RollListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return ToQString(lines_.Line(static_cast<std::size_t>(index.row())));
}

void RollListModel::RemoveAllItems() {
    if (lines_.Empty()) {
        return;
    }
    beginResetModel();
    lines_.Clear();
    endResetModel();
}

void RollListModel::AddItems(ListLines&& lines) {
    if (lines.Empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.Count()) - 1);
    lines_.Append(std::move(lines));
    endInsertRows();
}

}  // namespace kelvane
