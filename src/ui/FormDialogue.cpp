#include "ui/FormDialogue.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QPushButton>

#include <algorithm>

LineStyle FormDialogue::cpuLineStyle() const {
    return form_.cpuLineStyle();
}

std::uint32_t FormDialogue::generalColour() const {
    return form_.ColorDialog1.rgb();
}

void FormDialogue::setBusyCursor(bool busy) {
    form_.busyCursor().set(busy);
}

void FormDialogue::playReplyCue() {
    form_.MP5->play();
}

void FormDialogue::stopGreetingTimer() {
    form_.T10.stop();
}

void FormDialogue::stopFollowUpTimer() {
    form_.T9.stop();
}

void FormDialogue::clearInput() {
    form_.Input->setText(QString());
}

void FormDialogue::setInputRules(bool running) {
    setArmed(form_.T1, running);
}

void FormDialogue::setExchangeTimer(bool armed) {
    setArmed(form_.T6, armed);
}

void FormDialogue::showModeText(const std::string& text) {
    form_.SB1->setPanelText(2, fromCp(text));
}

void FormDialogue::showMode(DialogueMode::Mode mode) {
    form_.CpuUser1->setChecked(mode == DialogueMode::Mode::CpuUser);
    form_.Cpu31->setChecked(mode == DialogueMode::Mode::CpuCpu);
}

void FormDialogue::setTalkEnabled(bool enabled) {
    form_.Talk->setEnabled(enabled);
}

// A period shorter than a desktop timer really keeps is taken as "as often as the timers allow".
void FormDialogue::setPeriod(int milliseconds) {
    form_.T6.setInterval(std::max(milliseconds, kShortestTick));
}

void FormDialogue::speak() {
    form_.runTurn();
}
