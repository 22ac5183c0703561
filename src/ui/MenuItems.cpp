#include "ui/MenuItems.h"

#include <QMenu>
#include <QMenuBar>

namespace MenuItems {

QMenu* submenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* separator(QMenu* menu, const char* name, const QKeySequence& shortcut) {
    auto* action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setSeparator(true);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

} // namespace MenuItems
