#include "ui/sharing/TableLink.h"

#include <QObject>

#include "session/TableSettings.h"
#include "session/TableSharing.h"
#include "ui/sharing/TableDialog.h"

namespace kelvane {

QString ShowTableDialog(QWidget* parent, TableSharing& sharing, const QString& settingsPath) {
    TableDialog dialog(TableSettings::Load(settingsPath), sharing.CharacterName(), parent);
    QObject::connect(&dialog, &TableDialog::testRequested, &sharing,
                     &TableSharing::SendTestMessage);
    QObject::connect(&sharing, &TableSharing::testAnswered, &dialog, &TableDialog::ShowTestAnswer);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const TableSettings settings = dialog.Settings();
    sharing.Configure(settings.webhookUrl, settings.name, settings.shareEveryRoll);
    return settings.Save(settingsPath) ? QString()
                                       : TableSharing::tr("The table's settings cannot be saved");
}

}  // namespace kelvane
