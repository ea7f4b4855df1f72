#pragma once

#include <QAbstractListModel>

#include "ListLines.h"
#include "ListTarget.h"

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

    // The view asks for the index of every row, twice, each time it lays out the list: this
    // checks the row against the line count directly, where the base class makes two virtual
    // calls per index.
    [[nodiscard]] QModelIndex index(int row, int column = 0,
                                    const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    void RemoveAllItems() override;
    void AddItems(ListLines&& lines) override;

  private:
    ListLines lines_;
};

}  // namespace kelvane
