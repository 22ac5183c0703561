#include "ui/Unit2.h"

#include "dialogue/ExchangePeriod.h"
#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/LaunchCentring.h"
#include "ui/Unit1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWindow>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// The fields stand out on the silver dialog in the colour of highlighted text.
void paintField(QWidget& field) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::HighlightedText));
    field.setPalette(palette);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = named(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TForm2::TForm2() : SecondaryForm(QStringLiteral("Редактор"), QSize(305, 185), Qt::Dialog) {
    setObjectName(QStringLiteral("Form2"));
    buildControls();
}

void TForm2::buildControls() {
    Bevel1 = named(new QFrame(this), "Bevel1", {0, 1, 305, 184});
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Путь файла для внешнего ввода-вывода:"), this),
                      "GroupBox1", {8, 8, 289, 57});
    Edit1 = named(new QLineEdit(QString::fromLatin1(ExchangeFile::kDefaultPath), GroupBox1),
                  "Edit1", {8, 24, 273, 21});
    paintField(*Edit1);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Считывание фразы из файла:"), this),
                      "GroupBox2", {8, 72, 289, 73});
    RB1 = named(new QRadioButton(QStringLiteral("По нажатию клавиши [ENTER]"), GroupBox2), "RB1",
                {16, 16, 177, 17});
    RB1->setChecked(true);
    RB2 = named(new QRadioButton(QStringLiteral("По таймеру  каждые:"), GroupBox2), "RB2",
                {16, 37, 129, 17});
    SpinEdit1 = named(new QSpinBox(GroupBox2), "SpinEdit1", {145, 34, 44, 22});
    SpinEdit1->setRange(ExchangePeriod::kMin, ExchangePeriod::kMax);
    SpinEdit1->setValue(ExchangePeriod::kAtLaunch);
    SpinEdit1->setEnabled(false);
    paintField(*SpinEdit1);
    Label1 = named(new QLabel(QStringLiteral("сек."), GroupBox2), "Label1", {193, 37, 21, 13});

    Button1 = button(this, "Button1", QStringLiteral("Хорошо"), {77, 152, 75, 25});
    Button2 = button(this, "Button2", QStringLiteral("Отмена"), {154, 152, 75, 25});

    setTabOrder(Edit1, SpinEdit1);
    setTabOrder(SpinEdit1, RB2);
    setTabOrder(RB2, RB1);
    setTabOrder(RB1, Button1);
    setTabOrder(Button1, Button2);

    connect(RB1, &QRadioButton::clicked, this, &TForm2::RB1Click);
    connect(RB2, &QRadioButton::clicked, this, &TForm2::RB2Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm2::Edit1Change);
    connect(SpinEdit1, &QSpinBox::textChanged, this, &TForm2::SpinEdit1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::open(QWidget& over) {
    winId(); // the native window, so that it can stay above the main window
    if (windowHandle() && over.windowHandle()) {
        windowHandle()->setTransientParent(over.windowHandle());
    }
    LaunchCentring::showAgain(*this);
    setEnabled(true);
    activateWindow();
    raise();
}

std::string TForm2::exchangePath() const {
    return toCp(Edit1->text());
}

ExchangeFile::Settings TForm2::settings() const {
    ExchangeFile::Settings settings;
    settings.path = exchangePath();
    settings.trigger = RB1->isChecked()   ? ExchangeFile::Trigger::Enter
                       : RB2->isChecked() ? ExchangeFile::Trigger::Timer
                                          : ExchangeFile::Trigger::None;
    settings.period = periodValue();
    return settings;
}

int TForm2::periodValue() const {
    return ExchangePeriod::valueOf(SpinEdit1->cleanText().toStdString());
}

void TForm2::setPeriodValue(int milliseconds) {
    SpinEdit1->setValue(milliseconds);
}

void TForm2::restoreDefaults() {
    restoring_ = true;
    Edit1->setText(QString::fromLatin1(ExchangeFile::kDefaultPath));
    SpinEdit1->setValue(ExchangePeriod::kRestored);
    restoring_ = false;
}

void TForm2::RB1Click() {
    SpinEdit1->setEnabled(false);
}

void TForm2::RB2Click() {
    SpinEdit1->setEnabled(true);
}

// Any change of the exchange settings, but the restore command's own, takes the check mark off
// "Вернуть первоначальные настройки".
void TForm2::Edit1Change() {
    if (!restoring_ && main_) {
        main_->removeInitialSettingsMark();
    }
}

void TForm2::SpinEdit1Change() {
    Edit1Change();
}

void TForm2::Button1Click() {
    setPeriodValue(ExchangePeriod::confirmedFromSeconds(periodValue()));
    leave();
}

// Nothing is taken back: the path, the trigger and the period stay as left, and a number that
// was not confirmed counts as milliseconds.
void TForm2::Button2Click() {
    leave();
}

void TForm2::leave() {
    if (main_) {
        main_->backInService();
    }
    hide();
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->ignore();
    Button2Click();
}
