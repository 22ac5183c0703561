// The input line and the conversation commands: the enable rules, the reserved-character
// scanner, Enter and "Сказать", undo and new dialog.

#include "engine/Cp1251.h"
#include "input/EnableRule.h"
#include "ui/CpText.h"
#include "ui/DialogView.h"
#include "ui/FormSurroundings.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

void TForm1::T1Timer() {
    const std::string panel0 = toCp(SB1->panelText(0));
    const EnableStates states = EnableRule::decide(
        {Input->text().isEmpty(), transcript.view().count(), panel0, completion.isOn()});
    Speak->setEnabled(states.speak);
    EnRus->setEnabled(states.speak);
    Talk->setEnabled(states.speak);
    Cancel->setEnabled(states.undo);
    N3->setEnabled(states.undo);
    if (states.startLookup) {
        arm(T11);
    }
    N23->setEnabled(states.acceptCompletion);
    if (focusWidget() != Input) {
        Input->setFocus(); // a click elsewhere in the window gives the focus back to the line
    }
}

void TForm1::InputChange() {
    completion.SpeedIndex = -1;
    MP1->play();
    if (completion.isOn()) {
        arm(T11);
    } else {
        T11.stop();
    }
}

void TForm1::T5Timer() {
    if (T5Scan.tick(toCp(Input->text()))) {
        RE1->setEnabled(false);
        Input->setText(QString());
    }
}

void TForm1::TalkClick() {
    SpeakClick();
}

void TForm1::SpeakClick() {
    errors_.run([this] { engine_.SpeakClick(*surroundings_); });
}

void TForm1::CancelClick() {
    transcript.removeLastViewLine();
    Log().remove(Log().count() - 1);
    arm(T7);
}

void TForm1::N3Click() {
    CancelClick();
}

void TForm1::N2Click() {
    transcript.clearView();
    Log().clear();
    Input->setText(QString());
    arm(T7);
    arm(T10);
}
