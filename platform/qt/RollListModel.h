#pragma once

#include <QAbstractListModel>

#include "platform/ListLines.h"
#include "platform/ListTarget.h"

namespace kelvane {

// The lines of the roll list. A batch of lines goes in with one row insertion, and each line
// becomes a QString only when a view asks for it, so a roll of thousands of dice costs the
// list little more than copying its text.
class RollListModel final : public QAbstractListModel, public ListTarget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollListModel)

  public:
    explicit RollListModel(QObject* parent = nullptr);
    ~RollListModel() override = default;

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    void RemoveAllItems() override;
    void AddItems(ListLines&& lines) override;

  private:
    ListLines lines_;
};

}  // namespace kelvane
