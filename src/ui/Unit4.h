#pragma once

#include "input/OnScreenKeyboard.h"
#include "ui/SecondaryForm.h"

#include <QTimer>

#include <map>

class QAction;
class QGroupBox;
class QMenu;
class QMenuBar;
class QToolButton;
class TForm1;

// The on-screen keyboard "Виртуальная клавиатура": a phrase typed with the mouse into the main
// window's input line. While it is shown the main window is out of service; its own menu command
// (or a close request from the desktop) hands the main window back.
//
// The keys never take the focus. Every character key runs characterKeyClick with its row of the
// key table; the other keys have handlers of their own.
class TForm4 : public SecondaryForm {
public:
    static constexpr int kClientWidth = 353;
    static constexpr int kClientHeight = 145;

    explicit TForm4(TForm1& form1);
    ~TForm4() override;

    // --- Handlers ---
    void FormCreate();
    void characterKeyClick(const CharacterKey& key); // SB4Click ... SB65Click, Sd8Click
    void SB23Click();                                // Пробел
    void SB62Click();                                // Bcksp
    void SB63Click();                                // Caps Lock
    void SB66Click();                                // [Enter]
    void N2Click();                                  // hide
    void N3Click();                                  // F5
    void T1Timer();

    // Opening, as the main window's command asks for it: the proposal as it stands now is the one
    // F5 appends until the next opening.
    void open(const std::string& proposal);

    // A key by name ("SB29", "SB63").
    QToolButton* key(const QString& name) const;

    QMenuBar* menuBar = nullptr;
    QMenu* N1 = nullptr; // &Система
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QGroupBox* GroupBox1 = nullptr; // Знаки:
    QGroupBox* GroupBox2 = nullptr; // Буквы:
    QToolButton* SB23 = nullptr;
    QToolButton* SB62 = nullptr;
    QToolButton* SB63 = nullptr;
    QToolButton* SB66 = nullptr;
    QTimer T1;

    OnScreenKeyboard keyboard;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildKeys(QWidget* client);
    void setInput(const std::string& text);
    std::string inputText() const;

    TForm1& form1_;
    std::map<QString, QToolButton*> keys_;
};
