#pragma once

#include "dialogue/Appearance.h"
#include "dialogue/AppearanceSettings.h"
#include "dialogue/ConfigFile.h"
#include "dialogue/DialogueMode.h"
#include "dialogue/ExchangeFile.h"
#include "dialogue/KbStatistics.h"
#include "dialogue/LineStyle.h"
#include "dialogue/Remarks.h"
#include "dialogue/Transcript.h"
#include "engine/LineList.h"
#include "engine/PathResolver.h"
#include "engine/ReplyEngine.h"
#include "input/Completion.h"
#include "input/ReservedCharScanner.h"
#include "ui/BusyCursor.h"
#include "ui/ColourChooser.h"
#include "ui/FontChooser.h"
#include "ui/FormServices.h"
#include "ui/HandlerErrors.h"
#include "ui/SoundCue.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>

class DialogView;
class FormDialogue;
struct FullScreenLayout;
class FormSurroundings;
class InputLine;
class LaunchCentring;
class QFrame;
class QMenu;
class QPushButton;
class QToolButton;
class StatisticsCaptions;
class StatusBar;
class TForm2;
class TForm3;
class TForm4;

// The main window: the dialog view, the input line with its buttons, the status bar and the menu,
// and everything the program keeps while it runs: the conversation, the reply engine, the timers
// that drive start-up, input rules and farewell, the colour and font stores and the sound cues.
//
// Every handler can be called directly; the timers call the same handlers. Building the window
// opens the six sound cues (a cue that cannot be played throws SoundError: the program cannot
// start) and then runs the creation handler, which reports its own failures and lets the start go
// on.
class TForm1 : public QMainWindow {
public:
    static constexpr int kClientWidth = 587;
    static constexpr int kClientHeight = 361;
    static constexpr int kFarewellTicks = 80;
    static constexpr int kFarewellCueFrom = 10;

    explicit TForm1(const FormServices& services);
    ~TForm1() override;

    // The other windows, made after this one; the turn reads the exchange path from the editor and
    // the farewell hides the keyboard.
    void setOtherForms(TForm2* form2, TForm3* form3, TForm4* form4);
    void showCentred();

    // --- Handlers ---
    void FormCreate();
    void T1Timer();  // input rules: enable states and focus
    void T2Timer();  // idle remark
    void T3Timer();  // first load of the knowledge base
    void T4Timer();  // farewell
    void T5Timer();  // reserved-character scanner
    void T6Timer();  // exchange file
    void T7Timer();  // start-up shake
    void T8Timer();  // statistics in the menu
    void T9Timer();  // follow-up remark
    void T10Timer(); // greeting
    void T11Timer(); // completion lookup
    void InputChange();
    void TalkClick();
    void SpeakClick();
    void CancelClick();
    void N2Click();       // new dialog
    void N3Click();       // Ctrl+Z
    bool N4Click();       // exit: writes the log block, then closes; false when it failed
    void N23Click();      // F5
    void CpuUser1Click(); // dialogue mode Cpu\User
    void Cpu31Click();    // dialogue mode Cpu\Cpu
    void N38Click();      // opens the editor dialog
    // The application-wide key hook, installed by the creation handler.
    bool AppMessage(QObject* receiver, QEvent* event);

    // The input aids: completion on and off, the layout converter ("E/R" and Ctrl+S) and the
    // on-screen keyboard.
    void N24Click();
    void EnRusClick();
    void N22Click();

    // The settings menu: each opens its chooser and applies the choice.
    void N6Click();        // window colour
    void N21Click();       // dialog view colour
    void N16Click();       // input colour
    void N9Click();        // the three button captions, one choice each
    void User1Click();     // user-line colour
    void Cpu1Click();      // program-line colour
    void Mystring2Click(); // input text colour
    void User2Click();     // user-line font
    void Cpu2Click();      // program-line font
    void Mystring1Click(); // the input line's font
    void N13Click();       // back to the initial settings
    void N40Click();       // full screen on and off
    void N12Click();       // the about window

    // Applies every setting the value holds, and nothing else: the one place where colours and
    // fonts reach the widgets and the chooser stores.
    void applyAppearance(const Appearance& change);
    // The initial-settings mark goes as soon as anything may have changed the settings; the editor
    // dialog calls this when its path or period changes.
    void removeInitialSettingsMark();

    // The editor, the about window and the keyboard take the main window out of service while
    // they are shown: its input rules stop and it is disabled, until the secondary window gives
    // it back.
    void takeOutOfService();
    void backInService();

    // The styles a speaker's line is written in.
    LineStyle userLineStyle() const;
    LineStyle cpuLineStyle() const;

    ReplyEngine& engine() { return engine_; }
    WorkList& RE2() { return engine_.workList(); }
    LineList& Log() { return transcript.log(); }
    const PathResolver& folder() const { return folder_; }
    TForm2* form2() const { return form2_; }
    Remarks& remarks() { return remarks_; }
    // The exchange settings as the editor dialog holds them now (the launch values without one).
    ExchangeFile::Settings exchangeSettings() const;
    // One reply turn with its failure left to the caller: the exchange timer runs it as part of
    // its own tick, so a fault that repeats every tick is shown once.
    void runTurn();
    BusyCursor& busyCursor() { return busyCursor_; }

    // --- Controls ---
    QFrame* TabControl1 = nullptr;
    DialogView* RE1 = nullptr;
    QFrame* TabControl2 = nullptr;
    InputLine* Input = nullptr;
    QToolButton* Cancel = nullptr;
    QToolButton* EnRus = nullptr;
    QToolButton* Speak = nullptr;
    StatusBar* SB1 = nullptr;
    QPushButton* Talk = nullptr;

    // --- Menu ---
    QMenu* N1 = nullptr; // &Система
    QAction* N2 = nullptr;
    QAction* N23 = nullptr;
    QMenu* N17 = nullptr;
    QAction* N18 = nullptr;
    QAction* N19 = nullptr;
    QAction* N20 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QMenu* N5 = nullptr; // &Настройки
    QAction* N6 = nullptr;
    QAction* N21 = nullptr;
    QAction* N16 = nullptr;
    QAction* N9 = nullptr;
    QMenu* N7 = nullptr;
    QAction* User1 = nullptr;
    QAction* Cpu1 = nullptr;
    QAction* Mystring2 = nullptr;
    QMenu* N10 = nullptr;
    QAction* User2 = nullptr;
    QAction* Cpu2 = nullptr;
    QAction* Mystring1 = nullptr;
    QAction* N8 = nullptr;
    QAction* N13 = nullptr;
    QMenu* N25 = nullptr; // Сервис
    QAction* N22 = nullptr;
    QAction* N24 = nullptr;
    QAction* N40 = nullptr;
    QAction* N14 = nullptr;
    QMenu* N37 = nullptr;
    QAction* CpuUser1 = nullptr;
    QAction* Cpu31 = nullptr;
    QAction* N38 = nullptr;
    QMenu* N11 = nullptr; // С&правка
    QAction* N12 = nullptr;

    // --- Timers ---
    QTimer T1, T2, T3, T4, T5, T6, T7, T8, T9, T10, T11;

    // --- Chooser dialogs: the stores of the colours and fonts ---
    ColourChooser ColorDialog1; // general colour
    ColourChooser ColorDialog2; // user lines
    ColourChooser ColorDialog3; // program lines
    FontChooser FontDialog1;    // user lines
    FontChooser FontDialog2;    // program lines
    FontChooser FontDialog3{8}; // the input line's own font, always 8 points

    // --- Sound cues, opened in this order ---
    std::unique_ptr<SoundCue> MP1; // a key
    std::unique_ptr<SoundCue> MP2; // the user's phrase
    std::unique_ptr<SoundCue> MP3; // the layout converter
    std::unique_ptr<SoundCue> MP4; // the start-up shake
    std::unique_ptr<SoundCue> MP5; // a line the program says
    std::unique_ptr<SoundCue> MP6; // the farewell

    // --- Lists and state ---
    Transcript transcript; // the dialog view's lines and the log list
    DialogueMode dialogueMode{transcript};
    LineList LoadtxtCpuCpu; // the exchange file as last read or written
    ::ConfigFile ConfigFile;
    ReservedCharScanner T5Scan;
    KbStatistics statistics;
    Completion completion; // the dictionary, SpeedIndex and SpeedSuggestion
    int FarewellTicks = 0;
    bool AppMessageInstalled = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void openSoundCues(const SoundOutputFactory& outputs);
    void buildControls();
    void buildMenu();
    void buildTimers();
    void connectHandlers();
    void connectInputAids();
    void shake();
    void restoreAfterFailedExit();
    void enterPressed();
    void connectSettings();
    void runColourCommand(const char* handler);
    void runFontCommand(const char* handler);
    ColourChooser& colourStore(AppearanceSettings::Store store);
    FontChooser& fontStore(AppearanceSettings::Store store);
    void showInitialSettingsMark();
    void layOut(const FullScreenLayout& layout);
    void dockStatusBar();

    FormServices services_;
    PathResolver folder_;
    Random& random_;
    HandlerErrors errors_;
    ReplyEngine engine_;
    Remarks remarks_;
    BusyCursor busyCursor_;
    std::unique_ptr<FormSurroundings> surroundings_;
    std::unique_ptr<StatisticsCaptions> captions_;
    std::unique_ptr<FormDialogue> dialogue_;
    QSize normalSize_;
    AppearanceSettings appearanceSettings_;
    QPoint normalPlace_; // where the window stood before full screen
    QPointer<LaunchCentring> launchCentring_;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
};
