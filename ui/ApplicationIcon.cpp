#include "ui/ApplicationIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRect>
#include <QSize>
#include <QStyle>
#include <QStyleOption>
#include <array>

namespace kelvane {

namespace {

constexpr std::array kRenderedSizes{16, 32, 48, 64, 128, 256};
// What the window offers the window system: the sizes of a title bar and a task bar.
const QList<QSize> kWindowSizes{QSize(16, 16), QSize(32, 32), QSize(48, 48)};

class ApplicationIconEngine final : public QIconEngine {
  public:
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return kWindowSizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return size;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override {
        QPixmap pixmap = Rendering(size);
        if (mode != QIcon::Normal && !pixmap.isNull()) {
            QStyleOption option;
            option.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QIconEngine* clone() const override { return new ApplicationIconEngine; }
    QString key() const override { return QStringLiteral("KelvaneApplicationIcon"); }

  private:
    // The smallest rendering at least as large as asked for, scaled down when no rendering has
    // exactly that size.
    static QPixmap Rendering(const QSize& size) {
        const int wanted = qMax(size.width(), size.height());
        int chosen = kRenderedSizes.back();
        for (const int rendered : kRenderedSizes) {
            if (rendered >= wanted) {
                chosen = rendered;
                break;
            }
        }
        const QString path = QStringLiteral(":/icons/kelvane-%1.png").arg(chosen);
        QPixmap pixmap;
        if (!QPixmapCache::find(path, &pixmap)) {
            // Read as PNG straight away: detecting the format would first load every image
            // format plugin installed to ask whether it reads PNG.
            QImageReader reader(path, QByteArrayLiteral("png"));
            reader.setAutoDetectImageFormat(false);
            pixmap = QPixmap::fromImage(reader.read());
            QPixmapCache::insert(path, pixmap);
        }
        if (pixmap.isNull() || pixmap.size() == size) {
            return pixmap;
        }
        return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new ApplicationIconEngine); }

}  // namespace kelvane
