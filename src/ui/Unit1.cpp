#include "ui/Unit1.h"

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "ui/CpText.h"
#include "ui/DialogView.h"
#include "ui/FormDialogue.h"
#include "ui/FormSurroundings.h"
#include "ui/InputLine.h"
#include "ui/LaunchCentring.h"
#include "ui/StatisticsCaptions.h"
#include "ui/StatusBar.h"
#include "ui/SystemColours.h"
#include "ui/TimerArming.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/WindowLook.h"
#include "ui/WindowPlacement.h"

#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {

QToolButton* flatButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    button->setEnabled(false);
    return button;
}

QFrame* tabFrame(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    frame->setGeometry(geometry);
    return frame;
}

void setRole(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour); // every colour group, the disabled one included
    widget.setPalette(palette);
}

} // namespace

TForm1::TForm1(const FormServices& services)
    : services_(services), folder_(services.folder), random_(*services.random),
      errors_(*services.errors), engine_(LineFiles(folder_), *services.random),
      remarks_(engine_.workList(), *services.random, engine_.state(), transcript) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_QuitOnClose, true);
    openSoundCues(services.soundOutputs);
    setWindowTitle(QStringLiteral("-=ЛОРИНТАЛ=-   Разработчик: Тарвелон.   [v2.45.]"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    buildTimers();
    surroundings_ = std::make_unique<FormSurroundings>(*this);
    captions_ = std::make_unique<StatisticsCaptions>(N18, N19, N20);
    dialogue_ = std::make_unique<FormDialogue>(*this);
    connectHandlers();
    connectInputAids();
    normalSize_ = QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setFixedSize(normalSize_);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::openSoundCues(const SoundOutputFactory& outputs) {
    std::unique_ptr<SoundCue>* cues[] = {&MP1, &MP2, &MP3, &MP4, &MP5, &MP6};
    for (std::size_t i = 0; i < std::size(cues); ++i) {
        *cues[i] = std::make_unique<SoundCue>(programfiles::Sounds[i], folder_, outputs);
    }
}

void TForm1::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(WindowLook::windowFont());
    client->setCursor(Qt::ForbiddenCursor);
    setCentralWidget(client);
    // The window's colour is its client area's: the menu bar and the status bar keep the
    // desktop's own colours, as they do in every other program.
    WindowLook::paintSilver(*client);

    TabControl1 = tabFrame(client, "TabControl1", {0, 0, 588, 313});
    TabControl1->setCursor(Qt::ArrowCursor);
    RE1 = new DialogView(TabControl1);
    RE1->setObjectName(QStringLiteral("RE1"));
    RE1->setGeometry(3, 5, 581, 304);
    RE1->setToolTip(QStringLiteral("Поле для отображения диалога"));
    RE1->viewport()->setCursor(Qt::ForbiddenCursor);
    setRole(*RE1, QPalette::Base, WindowLook::kSilver);
    transcript.setViewListener(
        [this](Transcript::ViewChange change) { RE1->follow(transcript, change); });
    // Until a line is styled, the view writes in its own font, in the desktop's window-text colour.
    const ColourNumber windowText = ColourNumber::fromNumber(
        static_cast<std::int32_t>(0x80000000u | static_cast<unsigned>(SystemColour::WindowText)));
    transcript.currentStyle().rgb = SystemColours::colour(windowText).rgb() & 0xFFFFFFu;

    Talk = new QPushButton(QStringLiteral("<ENTER> (Для кнопки сказать)"), TabControl1);
    Talk->setObjectName(QStringLiteral("Talk"));
    Talk->setGeometry(-200, 5, 186, 17); // outside the frame: never seen, only Enter reaches it
    Talk->setFocusPolicy(Qt::NoFocus);
    Talk->setEnabled(false);

    TabControl2 = tabFrame(client, "TabControl2", {0, 312, 585, 30});
    TabControl2->setCursor(Qt::ForbiddenCursor);
    Input = new InputLine(TabControl2);
    Input->setObjectName(QStringLiteral("Input"));
    Input->setGeometry(3, 5, 422, 21);
    Input->setToolTip(QStringLiteral("Поле для ввода фразы пользователя"));
    Input->setFont(WindowLook::windowFont());
    Input->setCursor(Qt::IBeamCursor);
    setRole(*Input, QPalette::Base, WindowLook::kSilver);
    setRole(*Input, QPalette::Text, Qt::black);
    Cancel =
        flatButton(TabControl2, "Cancel", QStringLiteral("<"),
                   QStringLiteral("Отмена (Альтернатива клавиша: <Ctrl + Z>)"), {426, 5, 27, 22});
    EnRus = flatButton(TabControl2, "EnRus", QStringLiteral("E/R"),
                       QStringLiteral("Раскладка (Альтернатива клавиша: <Ctrl + S>)"),
                       {453, 5, 43, 22});
    Speak = flatButton(TabControl2, "Speak", QStringLiteral("Сказать"),
                       QStringLiteral("Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"),
                       {496, 5, 86, 22});

    SB1 = new StatusBar(client, {130, 322});
    SB1->setObjectName(QStringLiteral("SB1"));
    SB1->setGeometry(0, 342, 587, 19);
    SB1->setToolTip(QStringLiteral("Индикатор"));
    SB1->setCursor(Qt::WhatsThisCursor);
    WindowLook::paintDesktopColours(*SB1);
    SB1->setPanelText(2, fromCp(DialogueMode::statusText(dialogueMode.mode())));
}

void TForm1::buildTimers() {
    struct Spec {
        QTimer& timer;
        const char* name;
        int interval;
        bool armed;
    };
    const Spec specs[] = {
        {T1, "T1", kShortestTick, true},   {T2, "T2", 1000, true},
        {T3, "T3", kShortestTick, true},   {T4, "T4", kShortestTick, false},
        {T5, "T5", kShortestTick, true},   {T6, "T6", kShortestTick, false},
        {T7, "T7", kShortestTick, true},   {T8, "T8", 1000, true},
        {T9, "T9", 1000, false},           {T10, "T10", kShortestTick, false},
        {T11, "T11", kShortestTick, true},
    };
    for (const Spec& spec : specs) {
        spec.timer.setObjectName(QString::fromLatin1(spec.name));
        spec.timer.setInterval(spec.interval);
        if (spec.armed) {
            spec.timer.start();
        }
    }
}

void TForm1::connectHandlers() {
    const std::pair<QTimer*, void (TForm1::*)()> ticks[] = {
        {&T1, &TForm1::T1Timer},   {&T2, &TForm1::T2Timer},   {&T3, &TForm1::T3Timer},
        {&T4, &TForm1::T4Timer},   {&T5, &TForm1::T5Timer},   {&T6, &TForm1::T6Timer},
        {&T7, &TForm1::T7Timer},   {&T8, &TForm1::T8Timer},   {&T9, &TForm1::T9Timer},
        {&T10, &TForm1::T10Timer}, {&T11, &TForm1::T11Timer},
    };
    for (const auto& [timer, handler] : ticks) {
        connect(timer, &QTimer::timeout, this, handler);
    }
    connect(Input, &QLineEdit::textChanged, this, &TForm1::InputChange);
    connect(Input, &QLineEdit::returnPressed, this, &TForm1::enterPressed);
    connect(Talk, &QPushButton::clicked, this, &TForm1::TalkClick);
    connect(Speak, &QToolButton::clicked, this, &TForm1::SpeakClick);
    connect(Cancel, &QToolButton::clicked, this, &TForm1::CancelClick);
    connect(N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(N23, &QAction::triggered, this, &TForm1::N23Click);
    connectSettings();
    connect(CpuUser1, &QAction::triggered, this, &TForm1::CpuUser1Click);
    connect(Cpu31, &QAction::triggered, this, &TForm1::Cpu31Click);
    connect(N38, &QAction::triggered, this, &TForm1::N38Click);
    // Enter anywhere in the window, not only in the input line, clicks the hidden default button.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &TForm1::enterPressed);
    }
    Input->setWindowShortcuts({N3->shortcut(), N23->shortcut()});
}

void TForm1::setOtherForms(TForm2* form2, TForm3* form3, TForm4* form4) {
    form2_ = form2;
    if (form2_) {
        form2_->setMainForm(this);
    }
    form3_ = form3;
    form4_ = form4;
    if (form3_) {
        form3_->setMainForm(this);
    }
}

void TForm1::takeOutOfService() {
    T1.stop();
    setEnabled(false);
}

void TForm1::backInService() {
    arm(T1);
    setEnabled(true);
}

void TForm1::showCentred() {
    launchCentring_ = LaunchCentring::show(*this);
}

void TForm1::enterPressed() {
    if (Talk->isEnabled()) {
        Talk->click();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    return AppMessageInstalled && AppMessage(watched, event);
}
