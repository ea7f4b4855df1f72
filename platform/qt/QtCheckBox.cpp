#include "platform/qt/QtCheckBox.h"

#include <QCheckBox>

namespace kelvane {

int QtCheckBox::Value() const { return checkBox_.isChecked() ? 1 : 0; }

}  // namespace kelvane
