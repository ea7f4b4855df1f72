#include <QLabel>

#include "session/OddsLine.h"
#include "ui/main/formKelvane.h"
#include "ui_formKelvane.h"

// The window's odds: their line and their chart, once the session has worked them out.
namespace kelvane {

void formKelvane::ShowOdds(const RollRecordPtr& roll, const Distribution& odds) {
    const QString text = OddsLine::Text(odds, roll->total);
    ui->lblOdds->setText(text);
    // A Tab stop once it has something to read.
    ui->lblOdds->setFocusPolicy(Qt::StrongFocus);
    ui->chartDistribution->SetDistribution(odds, roll->total);
    // Read on request, not spoken on its own: the roll's announcement says enough.
    ui->chartDistribution->setAccessibleDescription(text);
}

}  // namespace kelvane
