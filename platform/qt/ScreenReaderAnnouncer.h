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
// by the text.
class ScreenReaderAnnouncer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenReaderAnnouncer)

  public:
    explicit ScreenReaderAnnouncer(QWidget& window);
    ~ScreenReaderAnnouncer() override = default;

    void Announce(const QString& text);
};

}  // namespace kelvane
