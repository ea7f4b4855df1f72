#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionGroupBox>

class QEvent;
class QPaintEvent;

namespace kelvane {

// A group box that keeps its painted frame and title in a pixmap and draws them again only when
// they change. The style's frame is costly to draw, and every roll repaints parts of the frames
// behind the result and the list: with the pixmap, such a repaint is a copy.
class CachedGroupBox final : public QGroupBox {
    Q_OBJECT

  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    [[nodiscard]] bool Shows(const QStyleOptionGroupBox& option, qreal ratio) const;

    QPixmap frame_;
    // What frame_ was drawn from.
    QStyleOptionGroupBox drawn_;
};

}  // namespace kelvane
