#pragma once

#include <QString>
#include <QWidget>

namespace kelvane {

// Has a screen reader speak a short text, such as a roll's result, without moving the focus
// and without changing anything on the screen.
//
// Qt 6.8 and later send an announcement event. Older Qt has none, so the announcer is an
// invisible child widget that assistive technologies see as a notification: it takes the text
// as its accessible name and reports itself shown, which Orca speaks as "notification" and the
// text.
class ScreenReaderAnnouncer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenReaderAnnouncer)

  public:
    explicit ScreenReaderAnnouncer(QWidget& window);
    ~ScreenReaderAnnouncer() override = default;

    void Announce(const QString& text);
};

}  // namespace kelvane
