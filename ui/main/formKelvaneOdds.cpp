#include <QLabel>
#include <QStringList>
#include <vector>

#include "session/OddsLine.h"
#include "session/OutcomeNames.h"
#include "ui/main/formKelvane.h"
#include "ui_formKelvane.h"

// The window's odds: their line and their chart, once the session has worked them out, and
// the outcome, which the roll itself says.
namespace kelvane {

void formKelvane::ShowOutcome(const RollRecord& roll) {
    QLabel& label = *ui->lblOutcome;
    label.setText(roll.outcome ? OutcomeNames::Text(*roll.outcome) : QString());
    label.setVisible(roll.outcome.has_value());
}

void formKelvane::ShowOdds(const RollRecordPtr& roll, const Distribution& odds,
                           const OutcomeChances& outcomes) {
    const notation::Reading* reading = ReadingOf(*roll);
    const QString text = reading != nullptr ? OddsLine::Outcomes(*reading, outcomes)
                                            : OddsLine::Text(odds, roll->total);
    ui->lblOdds->setText(text);
    // A Tab stop once it has something to read.
    ui->lblOdds->setFocusPolicy(Qt::StrongFocus);
    ui->chartDistribution->setVisible(reading == nullptr);
    ui->chartOutcomes->setVisible(reading != nullptr);
    QWidget* chart = ui->chartDistribution;
    if (reading != nullptr) {
        chart = ui->chartOutcomes;
        QStringList names;
        std::vector<double> chances;
        int rolled = -1;
        for (const OddsLine::ShownOutcome& shown : OddsLine::Shown(*reading, outcomes)) {
            if (roll->outcome && roll->outcome->index == shown.index) {
                rolled = static_cast<int>(names.size());
            }
            names << shown.name;
            chances.push_back(shown.chance);
        }
        ui->chartOutcomes->SetOutcomes(names, chances, rolled);
    } else {
        ui->chartDistribution->SetDistribution(odds, roll->total);
    }
    // Read on request, not spoken on its own: the roll's announcement says enough.
    chart->setAccessibleDescription(text);
}

}  // namespace kelvane
