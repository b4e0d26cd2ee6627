#pragma once

class QMainWindow;
class QMenu;

namespace tw {

// Builds the main window's menu bar and its hidden pop-up menus ("Menu", the tray menu, "Edit Pal").
// Every item carries its control name as objectName; items of a control array end in their index
// (mnuTP0 .. mnuTP4). Every item starts disabled: the feature that implements an item enables it.
void BuildMainMenu(QMainWindow& window);

} // namespace tw
