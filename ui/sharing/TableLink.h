#pragma once

#include <QString>

class QWidget;

namespace kelvane {

class TableSharing;

// Shows the Table dialog over parent. OK saves its settings in settingsPath and sharing takes
// them up at once; the sentence returned says when they could not be saved, and is empty
// otherwise.
[[nodiscard]] QString ShowTableDialog(QWidget* parent, TableSharing& sharing,
                                      const QString& settingsPath);

}  // namespace kelvane
