// The life of the program: creation, the first load, the start-up shake, the statistics, the
// farewell and the exit command.

#include "dialogue/ConfigApplier.h"
#include "dialogue/ConversationLogFile.h"
#include "engine/Cp1251.h"
#include "engine/ProgramFiles.h"
#include "ui/CpText.h"
#include "ui/InputLine.h"
#include "ui/LaunchCentring.h"
#include "ui/RegionalClock.h"
#include "ui/StatisticsCaptions.h"
#include "ui/StatusBar.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QMenu>
#include <QToolButton>

namespace {

void enableMenus(std::initializer_list<QMenu*> menus, bool enabled) {
    for (QMenu* menu : menus) {
        menu->menuAction()->setEnabled(enabled);
    }
}

// How often a first load that failed is tried again: the user may put the file back.
constexpr int kFirstLoadRetry = 1000;

} // namespace

void TForm1::FormCreate() {
    errors_.run([this] {
        // The creation handler has always named the main file in this spelling; the resolver
        // finds it whatever its case on disk, and a failure names it as written here.
        RE2().load("Base\\Words.dat");
        // What was read before a failing line is applied all the same.
        Appearance read;
        try {
            ConfigApplier::formCreate(folder_, ConfigFile, read);
        } catch (...) {
            applyAppearance(read);
            throw;
        }
        applyAppearance(read);
        QApplication::instance()->installEventFilter(this);
        AppMessageInstalled = true;
    });
}

void TForm1::T3Timer() {
    const bool loaded = errors_.runTick("T3", [this] {
        SB1->setPanelText(0, QString::fromUtf8(statustexts::Loading));
        Input->setReadOnly(true);
        Speak->setEnabled(false);
        RE2().load(programfiles::Words);
        SB1->setPanelText(
            1, fromCp(KbStatistics::statusText(KbStatistics::countPhrases(RE2().lines()))));
        Input->setReadOnly(false);
        Speak->setEnabled(true);
        SB1->setPanelText(0, QString::fromUtf8(statustexts::Loaded));
        T3.stop();
    });
    if (!loaded) {
        T3.setInterval(kFirstLoadRetry);
    }
}

void TForm1::T7Timer() {
    if (launchCentring_ && launchCentring_->waiting()) {
        return; // the shake starts from the window as it stands on the desktop, frame and all
    }
    const ::ConfigFile::ShakeSwitch shakeSwitch = ConfigFile.readShakeSwitch();
    if (shakeSwitch.problemToReport) {
        errors_.report(*shakeSwitch.problemToReport);
    }
    if (shakeSwitch.off) {
        return; // stays armed: every later tick asks again and does nothing
    }
    busyCursor_.set(true);
    random_.reseed();
    MP4->play();
    Input->setReadOnly(true);
    enableMenus({N1, N5, N11, N25}, false);
    shake();
    WindowPlacement::centreOnDesktop(*this);
    Input->setReadOnly(false);
    enableMenus({N1, N5, N11}, true);
    T7.stop();
    arm(T10);
    enableMenus({N25}, true);
    transcript.clearView();
    busyCursor_.set(false);
}

// The window jumps about near the top left corner of the desktop, all within one tick.
void TForm1::shake() {
    const int jumps = random_.random(126) + 125;
    for (int jump = 0; jump < jumps; ++jump) {
        const int left = random_.random(11) + 95;
        const int top = random_.random(11) + 95;
        WindowPlacement::setOuterTop(*this, top);
        WindowPlacement::setOuterLeft(*this, left);
    }
}

void TForm1::T8Timer() {
    errors_.runTick("T8", [this] {
        statistics.T8Tick(RE2(), *captions_);
        T8.stop();
    });
}

void TForm1::T4Timer() {
    if (form4_) {
        form4_->hide();
    }
    ++FarewellTicks;
    if (FarewellTicks >= kFarewellTicks) {
        T4.stop();
        if (!N4Click()) {
            restoreAfterFailedExit();
            return;
        }
    }
    WindowPlacement::moveAndShrink(*this, -3, -2, QSize(10, 8));
    if (FarewellTicks >= kFarewellCueFrom) {
        MP6->play();
    }
}

// A farewell whose exit failed ends there: the window takes back its size and place, so the user
// can read the message, go on talking or close it.
void TForm1::restoreAfterFailedExit() {
    setFixedSize(normalSize_);
    WindowPlacement::centreOnDesktop(*this);
}

bool TForm1::N4Click() {
    return errors_.run([this] {
        const QDateTime now = services_.now();
        const std::string date = toCp(RegionalClock::shortDate(now.date()));
        const std::string time = toCp(RegionalClock::longTime(now.time()));
        ConversationLogFile::append(RE2(), Log(), date, time);
        close();
    });
}
