#include "NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLineEdit>
#include <mutex>

namespace kelvane {

namespace {

// As Qt's accessible combo box: its list, and its line edit when it has one, as children; the
// current text as the value; an action that opens and closes the list. Only its name differs.
class AccessibleNamedComboBox final : public QAccessibleWidget {
  public:
    explicit AccessibleNamedComboBox(QComboBox& comboBox)
        : QAccessibleWidget(&comboBox, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Value:
                return ComboBox().isEditable() ? ComboBox().lineEdit()->text()
                                               : ComboBox().currentText();
            case QAccessible::Accelerator:
                return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
            default:
                return QAccessibleWidget::text(type);
        }
    }

    [[nodiscard]] int childCount() const override { return ComboBox().isEditable() ? 2 : 1; }

    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(ComboBox().view());
        }
        return index == 1 && ComboBox().isEditable()
                   ? QAccessible::queryAccessibleInterface(ComboBox().lineEdit())
                   : nullptr;
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == ComboBox().view()) {
            return 0;
        }
        return ComboBox().isEditable() && child->object() == ComboBox().lineEdit() ? 1 : -1;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return {showMenuAction(), pressAction()};
    }

    [[nodiscard]] QString localizedActionDescription(const QString& action) const override {
        return action == showMenuAction() || action == pressAction()
                   ? QComboBox::tr("Open the combo box selection popup")
                   : QString();
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (ComboBox().view()->isVisible()) {
            ComboBox().hidePopup();
        } else {
            ComboBox().showPopup();
        }
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& /*action*/) const override {
        return {};
    }

  private:
    [[nodiscard]] QComboBox& ComboBox() const { return *static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    auto* comboBox = qobject_cast<NamedComboBox*>(object);
    return comboBox != nullptr && className == NamedComboBox::staticMetaObject.className()
               ? new AccessibleNamedComboBox(*comboBox)
               : nullptr;
}

}  // namespace

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&AccessibleFor); });
}

}  // namespace kelvane
