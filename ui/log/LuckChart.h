#pragma once

#include <QSize>
#include <QWidget>
#include <array>
#include <cstdint>

class QPaintEvent;

namespace kelvane {

// Ten bars of how many rolls stood in each tenth, bottom tenth to the left, drawn like the
// main window's distribution chart: quiet bars 3:1 from the ground, "0 %" and "100 %" below.
class LuckChart : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LuckChart)

  public:
    explicit LuckChart(QWidget* parent = nullptr);
    ~LuckChart() override;

    void SetTenths(const std::array<std::int64_t, 10>& tenths);
    // The figures in words, for screen readers: "Standings by tenth, bottom to top: 3, 5, …".
    [[nodiscard]] QString Description() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<std::int64_t, 10> tenths_{};
};

}  // namespace kelvane
