#include "TableLink.h"

#include <QObject>

#include "TableSettings.h"
#include "TableSharing.h"
#include "formKelvane.h"
#include "frmTable.h"

namespace kelvane {

void LinkTable(formKelvane& window, TableSharing& sharing, const QString& settingsPath) {
    QObject::connect(&window, &formKelvane::rollShown, &sharing, &TableSharing::RollShown);
    QObject::connect(&window, &formKelvane::oddsShown, &sharing, &TableSharing::OddsShown);
    QObject::connect(&sharing, &TableSharing::statusChanged, &window,
                     &formKelvane::ShowTableStatus);
    QObject::connect(
        &window, &formKelvane::tableRequested, &window, [&window, &sharing, settingsPath] {
            frmTable dialog(TableSettings::Load(settingsPath), sharing.CharacterName(), &window);
            QObject::connect(&dialog, &frmTable::testRequested, &sharing,
                             &TableSharing::SendTestMessage);
            QObject::connect(&sharing, &TableSharing::testAnswered, &dialog,
                             &frmTable::ShowTestAnswer);
            if (dialog.exec() != QDialog::Accepted) return;
            const TableSettings settings = dialog.Settings();
            if (!settings.Save(settingsPath)) {
                window.ShowTableStatus(TableSharing::tr("The table's settings cannot be saved"),
                                       false, true);
            }
            sharing.Configure(settings.webhookUrl, settings.name, settings.shareEveryRoll);
        });
    const TableSettings settings = TableSettings::Load(settingsPath);
    sharing.Configure(settings.webhookUrl, settings.name, settings.shareEveryRoll);
}

}  // namespace kelvane
