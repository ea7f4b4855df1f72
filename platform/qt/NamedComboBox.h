#pragma once

#include <QComboBox>

namespace kelvane {

// A combo box that a screen reader hears by its accessible name, or its label's, and then its
// current text as its value. Qt's own accessible combo box on Linux gives its current text as
// its name, so that a choice named "Character" is heard as the character chosen.
class NamedComboBox final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NamedComboBox)

  public:
    explicit NamedComboBox(QWidget* parent = nullptr);
    ~NamedComboBox() override = default;
};

}  // namespace kelvane
