#include "TableLink.h"

#include <QObject>

#include "TableSettings.h"
#include "TableSharing.h"
#include "frmTable.h"

namespace kelvane {

QString ShowTableDialog(QWidget* parent, TableSharing& sharing, const QString& settingsPath) {
    frmTable dialog(TableSettings::Load(settingsPath), sharing.CharacterName(), parent);
    QObject::connect(&dialog, &frmTable::testRequested, &sharing, &TableSharing::SendTestMessage);
    QObject::connect(&sharing, &TableSharing::testAnswered, &dialog, &frmTable::ShowTestAnswer);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const TableSettings settings = dialog.Settings();
    sharing.Configure(settings.webhookUrl, settings.name, settings.shareEveryRoll);
    return settings.Save(settingsPath) ? QString()
                                       : TableSharing::tr("The table's settings cannot be saved");
}

}  // namespace kelvane
