#pragma once

#include <QString>
#include <QWidget>

namespace kelvane {

// Has a screen reader speak a short text, such as a roll's result, without moving the focus
// and without changing anything on the screen.
//
// The announcer is an invisible child widget that assistive technologies see as a notification
// bearing the last text announced. Qt 6.8 and later send their announcement event; older Qt has
// none, so the notification reports itself shown, which Orca speaks as "notification" followed
// by the text. An alert interrupts what the screen reader is saying where Qt can ask for that;
// on older Qt it is a notification too, the only kind Orca speaks away from the focus.
class ScreenReaderAnnouncer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenReaderAnnouncer)

  public:
    enum class Urgency { Notification, Alert };

    explicit ScreenReaderAnnouncer(QWidget& window, Urgency urgency = Urgency::Notification);
    ~ScreenReaderAnnouncer() override = default;

    void Announce(const QString& text);

  private:
    Urgency urgency_;
};

}  // namespace kelvane
