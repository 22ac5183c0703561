// The program's own remarks, the two dialogue modes, the exchange timer and the editor dialog.

#include "dialogue/ExchangePeriod.h"
#include "ui/FormDialogue.h"
#include "ui/FormSurroundings.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

void TForm1::T2Timer() {
    errors_.runTick("T2", [this] { remarks_.T2Tick(*dialogue_); });
}

void TForm1::T10Timer() {
    errors_.runTick("T10", [this] { remarks_.T10Tick(*dialogue_); });
}

void TForm1::T9Timer() {
    remarks_.T9Tick(*dialogue_, T9.interval());
}

void TForm1::CpuUser1Click() {
    dialogueMode.CpuUser1Click(*dialogue_);
}

void TForm1::Cpu31Click() {
    dialogueMode.Cpu31Click(*dialogue_);
}

// A missing exchange file under the Enter trigger fails on every tick: the message is shown once,
// and again only after a tick has succeeded or the failure has changed. A turn the timer trigger
// starts is part of its tick, so a reply that cannot be written is shown once too.
void TForm1::T6Timer() {
    errors_.runTick("T6", [this] {
        ExchangeFile::T6Tick(RE2().files(), exchangeSettings(), LoadtxtCpuCpu, *dialogue_);
    });
}

void TForm1::runTurn() {
    engine_.SpeakClick(*surroundings_);
}

ExchangeFile::Settings TForm1::exchangeSettings() const {
    return form2_ ? form2_->settings() : ExchangeFile::Settings{};
}

void TForm1::N38Click() {
    if (!form2_) {
        return;
    }
    form2_->setPeriodValue(ExchangePeriod::kAtLaunch);
    takeOutOfService();
    form2_->open(*this);
}
