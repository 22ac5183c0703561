#include "ui/Unit4.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/InputLine.h"
#include "ui/LaunchCentring.h"
#include "ui/MenuItems.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

// A flat key. It never takes the focus, so the keyboard window never holds one either.
QToolButton* keyButton(QWidget* parent, const QString& name, const QString& caption, QRect place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(place);
    return button;
}

// A group frame whose caption is white, over keys whose captions keep the button text colour.
QGroupBox* keyGroup(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(place);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white); // the title colour of most styles
    group->setPalette(palette);
    return group;
}

// A caption shows "&" as an ampersand, not as the mark of an Alt key.
QString literalCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TForm4::TForm4(TForm1& form1)
    : SecondaryForm(QStringLiteral("Виртуальная клавиатура"), QSize(kClientWidth, kClientHeight),
                    Qt::Window | Qt::WindowMinimizeButtonHint),
      form1_(form1) {
    setObjectName(QStringLiteral("Form4"));
    buildMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const int menuHeight = menuBar->sizeHint().height();
    client->setGeometry(0, menuHeight, kClientWidth, kClientHeight);
    buildKeys(client);
    setFixedSize(kClientWidth, kClientHeight + menuHeight);
    T1.setObjectName(QStringLiteral("T1"));
    T1.setInterval(kShortestTick);
    connect(&T1, &QTimer::timeout, this, &TForm4::T1Timer);
    FormCreate();
}

TForm4::~TForm4() = default;

void TForm4::buildMenu() {
    menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    N1 = MenuItems::submenu(menuBar, "N1", QStringLiteral("&Система"));
    N2 = MenuItems::item(N1, "N2", QStringLiteral("С&крыть виртуальную клавиатуру"));
    N3 = MenuItems::separator(N1, "N3", QKeySequence(Qt::Key_F5));
    menuBar->setGeometry(0, 0, kClientWidth, menuBar->sizeHint().height());
    connect(N2, &QAction::triggered, this, &TForm4::N2Click);
    connect(N3, &QAction::triggered, this, &TForm4::N3Click);
}

void TForm4::buildKeys(QWidget* client) {
    GroupBox1 = keyGroup(client, "GroupBox1", QStringLiteral("Знаки:"), {3, 3, 305, 57});
    GroupBox2 = keyGroup(client, "GroupBox2", QStringLiteral("Буквы:"), {3, 60, 305, 57});
    for (const CharacterKey& key : OnScreenKeyboard::characterKeys()) {
        QGroupBox* group = key.isLetter() ? GroupBox2 : GroupBox1;
        const QString name = QString::fromLatin1(key.name.data(), key.name.size());
        QToolButton* button =
            keyButton(group, name, literalCaption(fromCp(std::string(1, key.character))),
                      {key.left, key.top, key.width, key.height});
        // Letters in black, signs in the desktop's text colour; neither takes the group's white.
        const QColor text = key.isLetter() ? QColor(Qt::black)
                                           : QGuiApplication::palette().color(QPalette::WindowText);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, text);
        palette.setColor(QPalette::WindowText, text);
        button->setPalette(palette);
        connect(button, &QToolButton::clicked, this, [this, &key] { characterKeyClick(key); });
        keys_[name] = button;
    }
    SB62 = keyButton(client, QStringLiteral("SB62"), QStringLiteral("Bcksp"), {310, 9, 41, 50});
    SB66 = keyButton(client, QStringLiteral("SB66"), QStringLiteral("[Enter]"), {310, 65, 41, 51});
    SB23 = keyButton(client, QStringLiteral("SB23"), QStringLiteral("Пробел"), {26, 119, 134, 22});
    SB63 = keyButton(client, QStringLiteral("SB63"), QString(), {161, 119, 123, 22});
    for (QToolButton* button : {SB62, SB66, SB23, SB63}) {
        keys_[button->objectName()] = button;
    }
    connect(SB62, &QToolButton::clicked, this, &TForm4::SB62Click);
    connect(SB66, &QToolButton::clicked, this, &TForm4::SB66Click);
    connect(SB23, &QToolButton::clicked, this, &TForm4::SB23Click);
    connect(SB63, &QToolButton::clicked, this, &TForm4::SB63Click);
}

QToolButton* TForm4::key(const QString& name) const {
    const auto found = keys_.find(name);
    return found == keys_.end() ? nullptr : found->second;
}

void TForm4::FormCreate() {
    keyboard.CapsState = 0;
    SB63->setText(fromCp(keyboard.capsCaption()));
}

std::string TForm4::inputText() const {
    return toCp(form1_.Input->text());
}

// Set as the program sets it: not cut at the typing limit, and a change runs the main window's
// change handler.
void TForm4::setInput(const std::string& text) {
    form1_.Input->setText(fromCp(text));
}

void TForm4::characterKeyClick(const CharacterKey& key) {
    setInput(keyboard.typed(inputText(), key));
}

void TForm4::SB23Click() {
    setInput(OnScreenKeyboard::withSpace(inputText()));
}

void TForm4::SB62Click() {
    setInput(OnScreenKeyboard::backspaced(inputText()));
}

void TForm4::SB63Click() {
    keyboard.SB63Click();
    SB63->setText(fromCp(keyboard.capsCaption()));
}

void TForm4::SB66Click() {
    form1_.SpeakClick(); // the main window stays out of service meanwhile
}

void TForm4::N3Click() {
    setInput(keyboard.N3Click(inputText()));
    arm(form1_.T11);
}

void TForm4::T1Timer() {
    const bool enabled = OnScreenKeyboard::editKeysEnabled(inputText());
    SB62->setEnabled(enabled);
    SB66->setEnabled(enabled);
}

void TForm4::open(const std::string& proposal) {
    keyboard.open(proposal);
    LaunchCentring::showAgain(*this);
    setEnabled(true);
    raise();
    activateWindow();
    arm(T1);
}

void TForm4::N2Click() {
    T1.stop();
    form1_.backInService();
    hide();
}

// The window has no close box, but the desktop may still ask it to close (a window-manager key):
// that hides it the way the menu command does, so the main window is never left out of service.
void TForm4::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        N2Click();
    }
    event->ignore(); // hidden already; the keyboard lives as long as the program
}
