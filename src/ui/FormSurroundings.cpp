#include "ui/FormSurroundings.h"

#include "dialogue/ExchangeFile.h"
#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/InputLine.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"

bool FormSurroundings::cpuUserMode() const {
    return form_.dialogueMode.cpuUser();
}

bool FormSurroundings::cpuCpuMode() const {
    return form_.dialogueMode.cpuCpu();
}

std::string FormSurroundings::inputText() const {
    return toCp(form_.Input->text());
}

std::string FormSurroundings::exchangeFirstLine() const {
    return form_.LoadtxtCpuCpu.line(0);
}

std::string FormSurroundings::earlierLine() const {
    return form_.transcript.earlierLine();
}

void FormSurroundings::setBusyCursor(bool busy) {
    form_.busyCursor().set(busy);
}

void FormSurroundings::playPhraseCue() {
    form_.MP2->play();
}

void FormSurroundings::echoPhrase(const std::string& phrase) {
    form_.transcript.addUserLine(phrase, form_.userLineStyle());
}

void FormSurroundings::playReplyCue() {
    form_.MP5->play();
}

void FormSurroundings::showReply(const std::string& reply) {
    form_.transcript.addCpuLine(reply, form_.cpuLineStyle());
}

void FormSurroundings::setFarewellTimer(bool enabled) {
    setArmed(form_.T4, enabled);
}

void FormSurroundings::setFollowUpTimer(bool enabled) {
    setArmed(form_.T9, enabled);
}

void FormSurroundings::writeExchange(const std::string& reply) {
    ExchangeFile::write(form_.RE2().files(), form_.exchangeSettings().path, reply,
                        form_.LoadtxtCpuCpu);
}

void FormSurroundings::clearInput() {
    form_.Input->setText(QString());
}
