// The main window as it stands at start: its frame, controls, menu tree and timers.

#include "FormFixture.h"
#include "ui/DialogView.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"
#include "ui/WindowLook.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

using MainWindow = FormTest;

TEST_F(MainWindow, FrameIsFixedWithTheClientAreaBelowTheMenu) {
    TForm1& w = form();
    w.show(); // lays the window out
    EXPECT_EQ(w.windowTitle().toStdString(), "-=ЛОРИНТАЛ=-   Разработчик: Тарвелон.   [v2.45.]");
    EXPECT_EQ(w.centralWidget()->size(), QSize(587, 361));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
}

// The dialog view fills the window above one row of input line and buttons, the status bar lies
// along the bottom, and the default button that Enter clicks is out of sight.
TEST_F(MainWindow, ControlsAreLaidOutAsOneWindowWithTheirHints) {
    TForm1& w = form();
    w.show();
    auto inWindow = [&w](QWidget* control) {
        return QRect(control->mapTo(w.centralWidget(), QPoint(0, 0)), control->size());
    };
    const QRect client(QPoint(0, 0), w.centralWidget()->size());
    const QRect view = inWindow(w.RE1);
    const QRect row[] = {inWindow(w.Input), inWindow(w.Cancel), inWindow(w.EnRus),
                         inWindow(w.Speak)};
    const QRect status = inWindow(w.SB1);
    EXPECT_TRUE(client.contains(view));
    EXPECT_GT(view.width(), client.width() * 9 / 10);
    for (std::size_t i = 0; i < std::size(row); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(client.contains(row[i]));
        EXPECT_GE(row[i].top(), view.bottom());
        EXPECT_LT(row[i].bottom(), status.top());
        if (i > 0) {
            EXPECT_GE(row[i].left(), row[i - 1].right()); // left to right, none over another
        }
    }
    EXPECT_EQ(status.bottom(), client.bottom());
    EXPECT_EQ(status.width(), client.width());
    EXPECT_FALSE(client.intersects(inWindow(w.Talk)));

    const struct {
        QWidget* control;
        const char* hint;
    } hints[] = {
        {w.RE1, "Поле для отображения диалога"},
        {w.Input, "Поле для ввода фразы пользователя"},
        {w.Cancel, "Отмена (Альтернатива клавиша: <Ctrl + Z>)"},
        {w.EnRus, "Раскладка (Альтернатива клавиша: <Ctrl + S>)"},
        {w.Speak, "Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"},
        {w.SB1, "Индикатор"},
    };
    for (const auto& c : hints) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->toolTip().toStdString(), c.hint);
    }
    EXPECT_EQ(w.Cancel->text(), QStringLiteral("<"));
    EXPECT_EQ(w.EnRus->text(), QStringLiteral("E/R"));
    EXPECT_EQ(w.Speak->text(), QStringLiteral("Сказать"));
    EXPECT_EQ(w.Talk->text(), QStringLiteral("<ENTER> (Для кнопки сказать)"));
    EXPECT_TRUE(w.RE1->isReadOnly());
    EXPECT_EQ(w.RE1->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(w.Input->palette().color(QPalette::Base), QColor(192, 192, 192));
}

TEST_F(MainWindow, StartsWithButtonsDisabledAndTheModeShown) {
    TForm1& w = form();
    for (QWidget* button : {static_cast<QWidget*>(w.Speak), static_cast<QWidget*>(w.Cancel),
                            static_cast<QWidget*>(w.EnRus)}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_EQ(w.SB1->panelText(0), QString());
    EXPECT_EQ(w.SB1->panelText(1), QString());
    EXPECT_EQ(w.SB1->panelText(2), QStringLiteral("Режим Cpu\\User"));
    EXPECT_TRUE(w.N13->isChecked());
    EXPECT_TRUE(w.CpuUser1->isChecked());
    EXPECT_FALSE(w.Cpu31->isChecked());
    EXPECT_FALSE(w.N24->isChecked());
    EXPECT_FALSE(w.N40->isChecked());
}

// The dialog view's current style starts as the view's own font in the desktop's window-text
// colour, whatever that colour is.
TEST_F(MainWindow, CurrentStyleStartsInTheDesktopsWindowTextColour) {
    testApplication();
    const QPalette desktop = QApplication::palette();
    QPalette tinted = desktop;
    tinted.setColor(QPalette::WindowText, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(tinted);
    const LineStyle current = form().transcript.currentStyle();
    QApplication::setPalette(desktop);
    EXPECT_EQ(current, (LineStyle{0x123456, "MS Sans Serif", 8, false, false}));
}

// The status texts fit their panels in the window's small font, as the panels were sized for.
TEST_F(MainWindow, StatusTextsFitTheirPanels) {
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        GTEST_SKIP() << "Liberation Sans is not installed (tools/install-packages.sh)";
    }
    TForm1& w = form();
    w.show();
    const struct {
        int panel;
        const char* text;
    } texts[] = {
        {0, "Идёт загрузка подождите..."},
        {0, "Загрузка окончена"},
        {1, "Программе известно:   [главные фразы - 99999   ветки - 99999]"},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.text);
        const QLabel* panel = w.SB1->findChildren<QLabel*>().at(t.panel);
        EXPECT_EQ(panel->font().family(), WindowLook::windowFont().family());
        EXPECT_EQ(panel->font().pointSize(), 8);
        const QRect room = panel->contentsRect().adjusted(panel->indent(), 0, 0, 0);
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(QString::fromUtf8(t.text)), room.width());
    }
}

// The menu tree, depth-first, as "level caption shortcut".
std::vector<std::string> menuTree(const QList<QAction*>& actions, int level) {
    std::vector<std::string> rows;
    for (QAction* action : actions) {
        std::string row = std::to_string(level) + " " + action->objectName().toStdString() + " " +
                          (action->isSeparator() ? "-" : action->text().toStdString());
        if (!action->shortcut().isEmpty()) {
            row += " [" + action->shortcut().toString().toStdString() + "]";
        }
        rows.push_back(row);
        if (action->menu()) {
            const auto below = menuTree(action->menu()->actions(), level + 1);
            rows.insert(rows.end(), below.begin(), below.end());
        }
    }
    return rows;
}

TEST_F(MainWindow, MenuTreeIsInItsOrderWithItsCaptionsAndShortcuts) {
    const std::vector<std::string> expected = {
        "1 N1 &Система",
        "2 N2 &Новый диалог",
        "2 N23 - [F5]",
        "2 N17 &Подробнее о базе:",
        "3 N18 &Входящие выражения:",
        "3 N19 &Исходящие выражения:",
        "3 N20 &Итого:",
        "2 N3 - [Ctrl+Z]",
        "2 N4 В&ыход",
        "1 N5 &Настройки",
        "2 N6 &Цвет основного фона ",
        "2 N21 Ц&вет фона поля вывода реплик",
        "2 N16 Цв&ет фона поля ввода реплик",
        "2 N9 Цве&т шрифтов кнопок на панели",
        "2 N7 Цвет &реплик",
        "3 User1 &User",
        "3 Cpu1 &Cpu",
        "3 Mystring2 &My string",
        "2 N10 &Параметры шрифта",
        "3 User2 &User",
        "3 Cpu2 &Cpu",
        "3 Mystring1 &My string",
        "2 N8 -",
        "2 N13 Вернуть первоначальные настройки",
        "1 N25 Сервис",
        "2 N22 &Вызвать виртуальную клавиатуру",
        "2 N24 Ziziv Azav",
        "2 N40 &Full Screen",
        "2 N14 -",
        "2 N37 &Режим",
        "3 CpuUser1 &Cpu\\User",
        "3 Cpu31 C&pu\\Cpu",
        "2 N38 Ре&дактор",
        "1 N11 С&правка",
        "2 N12 &О программе...",
    };
    EXPECT_EQ(menuTree(form().menuBar()->actions(), 1), expected);
}

} // namespace
