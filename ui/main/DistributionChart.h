#pragma once

#include <QSize>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "engine/Distribution.h"

class QEvent;
class QPaintEvent;

namespace kelvane {

// A bar chart of the chances of a roll's totals: a bar for each total, or for each run of
// neighbouring totals when more totals than bars fit; the rolled total's bar in the palette's
// highlight. The axis leaves out the rarest ten thousandth of rolls at either end, but never
// the rolled total; its first and last total are written below in the player's number format.
// An approximate distribution draws its normal curve's bars the same way.
class DistributionChart : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DistributionChart)

  public:
    explicit DistributionChart(QWidget* parent = nullptr);
    ~DistributionChart() override;

    void SetDistribution(const Distribution& distribution, std::int64_t rolledTotal);
    // Leaves the chart empty.
    void Clear();

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Follows the palette and the language.
    void changeEvent(QEvent* event) override;

  private:
    void NameForScreenReaders();

    std::optional<Distribution> distribution_;
    std::int64_t rolledTotal_ = 0;
};

}  // namespace kelvane
