#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// Menus as the program's windows build them: every menu and item named, so that a handler can be
// found by the item it serves.
namespace MenuItems {

QMenu* submenu(QMenuBar* bar, const char* name, const QString& caption);
QMenu* submenu(QMenu* parent, const char* name, const QString& caption);
QAction* item(QMenu* menu, const char* name, const QString& caption);
// A separator line; with a shortcut it is a command the keyboard reaches and the mouse does not.
QAction* separator(QMenu* menu, const char* name, const QKeySequence& shortcut = {});

} // namespace MenuItems
