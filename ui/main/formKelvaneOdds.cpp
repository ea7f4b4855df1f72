#include <QLabel>
#include <QStringList>
#include <cstddef>
#include <variant>
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
    const auto* expression = std::get_if<notation::Expression>(&roll->rolled);
    const bool withOutcomes = expression != nullptr && !expression->reading.rules.empty();
    const QString text = withOutcomes ? OddsLine::Outcomes(expression->reading, outcomes)
                                      : OddsLine::Text(odds, roll->total);
    ui->lblOdds->setText(text);
    // A Tab stop once it has something to read.
    ui->lblOdds->setFocusPolicy(Qt::StrongFocus);
    ui->chartDistribution->setVisible(!withOutcomes);
    ui->chartOutcomes->setVisible(withOutcomes);
    QWidget& chart = withOutcomes ? static_cast<QWidget&>(*ui->chartOutcomes)
                                  : static_cast<QWidget&>(*ui->chartDistribution);
    if (withOutcomes) {
        // The bars of the outcomes the roll can have, as the line names them.
        QStringList names;
        std::vector<double> chances;
        int rolled = -1;
        const auto& rules = expression->reading.rules;
        for (std::size_t i = 0; i < rules.size() && i < outcomes.chances.size(); ++i) {
            if (outcomes.chances[i] > 0.0) {
                if (roll->outcome && roll->outcome->index == i) {
                    rolled = static_cast<int>(names.size());
                }
                names << OutcomeNames::Name(rules[i].id, rules[i].name);
                chances.push_back(outcomes.chances[i]);
            }
        }
        ui->chartOutcomes->SetOutcomes(names, chances, rolled);
    } else {
        ui->chartDistribution->SetDistribution(odds, roll->total);
    }
    // Read on request, not spoken on its own: the roll's announcement says enough.
    chart.setAccessibleDescription(text);
}

}  // namespace kelvane
