#include "CachedGroupBox.h"

#include <QtTest>
#include <cstdlib>
#include <functional>

namespace kelvane {

using Change = std::function<void(QGroupBox&)>;

class CachedGroupBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsWhatChangedAfterItWasKept_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("title") << Change([](QGroupBox& box) { box.setTitle("Result: 32000d6"); });
        QTest::newRow("size") << Change([](QGroupBox& box) { box.resize(90, 140); });
        QTest::newRow("font") << Change([](QGroupBox& box) { box.setFont(QFont("Sans", 20)); });
        QTest::newRow("palette") << Change([](QGroupBox& box) { box.setPalette(Qt::darkBlue); });
    }

    // Drawn as Qt draws a plain box, within the rounding that drawing over transparency first
    // may add to the frame's translucent edge.
    void drawsWhatChangedAfterItWasKept() {
        QFETCH(Change, change);
        CachedGroupBox cached("Result");
        QGroupBox drawn("Result");
        QImage images[2];
        for (QGroupBox* box : {static_cast<QGroupBox*>(&cached), &drawn}) {
            box->resize(145, 73);
            box->grab();
            change(*box);
            images[box == &drawn] = box->grab().toImage();
        }
        QCOMPARE(images[0].size(), images[1].size());
        for (int y = 0; y < images[0].height(); ++y) {
            for (int x = 0; x < images[0].width(); ++x) {
                QVERIFY(std::abs(qGray(images[0].pixel(x, y)) - qGray(images[1].pixel(x, y))) <= 2);
            }
        }
    }
};

}  // namespace kelvane

QTEST_MAIN(kelvane::CachedGroupBoxTest)
#include "CachedGroupBox_test.moc"
