#pragma once

#include <QSize>
#include <QStringList>
#include <QWidget>
#include <vector>

class QEvent;
class QPaintEvent;

namespace kelvane {

// A bar chart of the chances of a roll's outcomes, a bar for each in the reading's order with
// its name below, the rolled outcome's bar in the palette's highlight. It stands in for the
// chart of totals after a roll with outcomes.
class OutcomeChart : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutcomeChart)

  public:
    explicit OutcomeChart(QWidget* parent = nullptr);
    ~OutcomeChart() override;

    // names and chances go together; rolled is the index of the rolled one, or -1.
    void SetOutcomes(const QStringList& names, const std::vector<double>& chances, int rolled);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void NameForScreenReaders();

    QStringList names_;
    std::vector<double> chances_;
    int rolled_ = -1;
};

}  // namespace kelvane
