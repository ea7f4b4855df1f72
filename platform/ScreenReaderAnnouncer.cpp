#include "ScreenReaderAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>

namespace kelvane {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
QAccessibleInterface* NotificationInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ScreenReaderAnnouncer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}
#endif

}  // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    // Shown never: its window must keep exactly the look it has.
    setVisible(false);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(NotificationInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
#endif
}

void ScreenReaderAnnouncer::Announce(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace kelvane
