// The main menu of the main window, built in the order it is shown.

#include "ui/MenuItems.h"
#include "ui/Unit1.h"

#include <QMenuBar>

using namespace MenuItems;

namespace {

// An item that shows a check mark. The mark is the program's to set: clicking the item runs its
// command, which decides the mark, rather than flipping it by itself.
QAction* markedItem(QMenu* menu, const char* name, const QString& caption, bool checked) {
    QAction* action = item(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    QObject::connect(action, &QAction::triggered, action,
                     [action](bool checked) { action->setChecked(!checked); });
    return action;
}

} // namespace

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    N1 = submenu(bar, "N1", QStringLiteral("&Система"));
    N2 = item(N1, "N2", QStringLiteral("&Новый диалог"));
    N23 = separator(N1, "N23", QKeySequence(Qt::Key_F5));
    N17 = submenu(N1, "N17", QStringLiteral("&Подробнее о базе:"));
    N18 = item(N17, "N18", QStringLiteral("&Входящие выражения:"));
    N19 = item(N17, "N19", QStringLiteral("&Исходящие выражения:"));
    N20 = item(N17, "N20", QStringLiteral("&Итого:"));
    N3 = separator(N1, "N3", QKeySequence(Qt::CTRL | Qt::Key_Z));
    N4 = item(N1, "N4", QStringLiteral("В&ыход"));

    N5 = submenu(bar, "N5", QStringLiteral("&Настройки"));
    N6 = item(N5, "N6", QStringLiteral("&Цвет основного фона "));
    N21 = item(N5, "N21", QStringLiteral("Ц&вет фона поля вывода реплик"));
    N16 = item(N5, "N16", QStringLiteral("Цв&ет фона поля ввода реплик"));
    N9 = item(N5, "N9", QStringLiteral("Цве&т шрифтов кнопок на панели"));
    N7 = submenu(N5, "N7", QStringLiteral("Цвет &реплик"));
    User1 = item(N7, "User1", QStringLiteral("&User"));
    Cpu1 = item(N7, "Cpu1", QStringLiteral("&Cpu"));
    Mystring2 = item(N7, "Mystring2", QStringLiteral("&My string"));
    N10 = submenu(N5, "N10", QStringLiteral("&Параметры шрифта"));
    User2 = item(N10, "User2", QStringLiteral("&User"));
    Cpu2 = item(N10, "Cpu2", QStringLiteral("&Cpu"));
    Mystring1 = item(N10, "Mystring1", QStringLiteral("&My string"));
    N8 = separator(N5, "N8");
    N13 = markedItem(N5, "N13", QStringLiteral("Вернуть первоначальные настройки"), true);

    N25 = submenu(bar, "N25", QStringLiteral("Сервис"));
    N22 = item(N25, "N22", QStringLiteral("&Вызвать виртуальную клавиатуру"));
    N24 = markedItem(N25, "N24", QStringLiteral("Ziziv Azav"), false);
    N40 = markedItem(N25, "N40", QStringLiteral("&Full Screen"), false);
    N14 = separator(N25, "N14");
    N37 = submenu(N25, "N37", QStringLiteral("&Режим"));
    CpuUser1 = markedItem(N37, "CpuUser1", QStringLiteral("&Cpu\\User"), true);
    Cpu31 = markedItem(N37, "Cpu31", QStringLiteral("C&pu\\Cpu"), false);
    N38 = item(N25, "N38", QStringLiteral("Ре&дактор"));

    N11 = submenu(bar, "N11", QStringLiteral("С&правка"));
    N12 = item(N11, "N12", QStringLiteral("&О программе..."));
}
