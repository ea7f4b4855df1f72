#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace kelvane::bench {

// Notes when a widget is painted.
class PaintWatcher final : public QObject {
  public:
    explicit PaintWatcher(QWidget& widget) { widget.installEventFilter(this); }
    bool painted = false;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace kelvane::bench
