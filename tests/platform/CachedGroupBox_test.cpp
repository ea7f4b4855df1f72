#include "CachedGroupBox.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <algorithm>
#include <functional>

namespace kelvane {
namespace {

using Change = std::function<void(QGroupBox&)>;

// The box as Qt draws it, within the one step of rounding that drawing it first over
// transparency may add to a translucent edge.
bool LooksAlike(const QImage& cached, const QImage& drawn) {
    if (cached.size() != drawn.size()) {
        return false;
    }
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = cached.pixel(x, y);
            const QRgb b = drawn.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
            if (difference > 2) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class CachedGroupBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsWhatChangedAfterItWasKept_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("title") << Change([](QGroupBox& box) { box.setTitle("Result: 32000d6"); });
        QTest::newRow("size") << Change([](QGroupBox& box) { box.resize(90, 140); });
        QTest::newRow("disabled") << Change([](QGroupBox& box) { box.setEnabled(false); });
        QTest::newRow("flat") << Change([](QGroupBox& box) { box.setFlat(true); });
        QTest::newRow("font") << Change([](QGroupBox& box) {
            QFont font = box.font();
            font.setPointSize(font.pointSize() * 2);
            box.setFont(font);
        });
        QTest::newRow("palette") << Change([](QGroupBox& box) {
            QPalette palette = box.palette();
            palette.setColor(QPalette::Window, Qt::darkBlue);
            palette.setColor(QPalette::WindowText, Qt::yellow);
            box.setPalette(palette);
        });
    }

    void drawsWhatChangedAfterItWasKept() {
        QFETCH(Change, change);
        CachedGroupBox cached("Result");
        QGroupBox drawn("Result");
        for (QGroupBox* box : {static_cast<QGroupBox*>(&cached), &drawn}) {
            box->setAutoFillBackground(true);
            box->resize(145, 73);
        }
        QVERIFY(LooksAlike(cached.grab().toImage(), drawn.grab().toImage()));
        change(cached);
        change(drawn);
        QVERIFY(LooksAlike(cached.grab().toImage(), drawn.grab().toImage()));
    }
};

}  // namespace kelvane

QTEST_MAIN(kelvane::CachedGroupBoxTest)
#include "CachedGroupBox_test.moc"
