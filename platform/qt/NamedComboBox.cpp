#include "platform/qt/NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLineEdit>
#include <mutex>

namespace kelvane {

namespace {

// As Qt's accessible combo box: its list, and its line edit when it has one, as children; the
// current text as the value; an action that opens and closes the list. Its name differs, and its
// current text is also its read-only text, where Orca reads a combo box's value when the list
// reports no selection, as Qt's does not.
class AccessibleNamedComboBox final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleNamedComboBox(QComboBox& comboBox)
        : QAccessibleWidget(&comboBox, QAccessible::ComboBox) {}

    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Value:
                return Shown();
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

    // The text: the current text, which can be read but not selected or edited here.
    [[nodiscard]] QString text(int start, int end) const override {
        return Shown().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(Shown().size()); }
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    [[nodiscard]] QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    [[nodiscard]] QComboBox& ComboBox() const { return *static_cast<QComboBox*>(widget()); }
    [[nodiscard]] QString Shown() const {
        return ComboBox().isEditable() ? ComboBox().lineEdit()->text() : ComboBox().currentText();
    }
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
