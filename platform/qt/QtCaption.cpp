#include "platform/qt/QtCaption.h"

#include <QGroupBox>
#include <QLabel>

#include "platform/qt/QtText.h"

namespace kelvane {

QtCaption::QtCaption(QLabel& label)
    : setCaption_([&label](const QString& caption) { label.setText(caption); }) {}

QtCaption::QtCaption(QGroupBox& frame)
    : setCaption_([&frame](const QString& caption) { frame.setTitle(caption); }) {}

void QtCaption::SetCaption(std::string_view caption) { setCaption_(ToQString(caption)); }

}  // namespace kelvane
