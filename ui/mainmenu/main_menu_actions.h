#pragma once

class QString;
class QWidget;

enum class BoardAction { Edit, Run, View };

// What the main menu's edit, run and view pictures do with the board `name`
// of the selected slot (empty when none is selected): load it and hand
// `menu` over to the window that comes next, or tell the host why not.
// False when the board could not be read, so the menu reads its list anew.
bool act_on_board(QWidget *menu, BoardAction action, const QString &name);
