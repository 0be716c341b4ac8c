// The body shared by tool dialogs whose content is one list in a group box (the lists that
// files may be dropped on): the group fills the dialog and holds the named view.
#pragma once

#include <QString>

class QDialog;
class QGroupBox;
class QTableView;

namespace telqor {

// Puts a group box named groupName, captioned caption, holding a table view named listName,
// into dialog. numberView gives the view the look of the number lists.
QTableView* AddListGroup(QDialog* dialog, QGroupBox*& group, const QString& groupName, const QString& caption,
                         const QString& listName, bool numberView);

}  // namespace telqor
