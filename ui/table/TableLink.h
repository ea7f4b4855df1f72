#pragma once

#include <QString>

namespace kelvane {

class TableSharing;
class formKelvane;

// Joins the main window to sharing with the table: its rolls and odds go to sharing, its
// "Table…" button opens the dialog, whose settings are saved in settingsPath and taken up at
// once, and the band's status line follows sharing.
void LinkTable(formKelvane& window, TableSharing& sharing, const QString& settingsPath);

}  // namespace kelvane
