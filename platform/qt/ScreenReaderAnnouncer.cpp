#include "platform/qt/ScreenReaderAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>

namespace kelvane {

namespace {

QAccessibleInterface* NotificationInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ScreenReaderAnnouncer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

// The factory must be in place before the announcer exists, or its interface could be made,
// and kept, as that of a plain widget.
QWidget* InstallingNotificationFactory(QWidget& window) {
    static const bool installed = [] {
        QAccessible::installFactory(NotificationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    return &window;
}

}  // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget& window, Urgency urgency)
    : QWidget(InstallingNotificationFactory(window)), urgency_(urgency) {
    setObjectName(urgency == Urgency::Alert ? QStringLiteral("alertAnnouncer")
                                            : QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    // Never shown: its window keeps exactly the look it has.
    setVisible(false);
}

void ScreenReaderAnnouncer::Announce(const QString& text) {
    setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    if (urgency_ == Urgency::Alert) {
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    }
    QAccessible::updateAccessibility(&event);
#else
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace kelvane
