// The settings menu, full screen and the about window: each command opens its chooser or window
// and applies what the settings rules decide.

#include "dialogue/FullScreenLayout.h"
#include "ui/DialogView.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

namespace {

ColourNumber numberOf(const QColor& colour) {
    return ColourNumber::fromRgb(colour.red(), colour.green(), colour.blue());
}

} // namespace

ColourChooser& TForm1::colourStore(AppearanceSettings::Store store) {
    switch (store) {
    case AppearanceSettings::Store::ColorDialog2:
        return ColorDialog2;
    case AppearanceSettings::Store::ColorDialog3:
        return ColorDialog3;
    default:
        return ColorDialog1;
    }
}

FontChooser& TForm1::fontStore(AppearanceSettings::Store store) {
    switch (store) {
    case AppearanceSettings::Store::FontDialog2:
        return FontDialog2;
    case AppearanceSettings::Store::FontDialog3:
        return FontDialog3;
    default:
        return FontDialog1;
    }
}

void TForm1::removeInitialSettingsMark() {
    appearanceSettings_.removeMark();
    N13->setChecked(appearanceSettings_.initialSettingsMark());
}

void TForm1::showInitialSettingsMark() {
    appearanceSettings_.showMark();
    N13->setChecked(appearanceSettings_.initialSettingsMark());
}

// The mark goes before the chooser opens, so also when the user cancels. Each choice of a command
// that asks more than once opens with the colour confirmed last, and a cancelled one skips only
// its own target.
void TForm1::runColourCommand(const char* handler) {
    removeInitialSettingsMark();
    const AppearanceSettings::ColourCommand& command = AppearanceSettings::colourCommand(handler);
    for (AppearanceSettings::ColourTarget target : command.choices) {
        if (const std::optional<QColor> chosen = colourStore(command.store).execute(this)) {
            applyAppearance(
                AppearanceSettings::colourConfirmed(command.store, target, numberOf(*chosen)));
        }
    }
}

void TForm1::runFontCommand(const char* handler) {
    removeInitialSettingsMark();
    const AppearanceSettings::FontCommand& command = AppearanceSettings::fontCommand(handler);
    FontChooser& store = fontStore(command.store);
    const FontSetting held = store.setting();
    const std::optional<FontSetting> chosen = store.execute(this);
    applyAppearance(AppearanceSettings::fontClosed(command, held, chosen));
}

void TForm1::N6Click() {
    runColourCommand("N6Click");
}
void TForm1::N21Click() {
    runColourCommand("N21Click");
}
void TForm1::N16Click() {
    runColourCommand("N16Click");
}
void TForm1::N9Click() {
    runColourCommand("N9Click");
}
void TForm1::User1Click() {
    runColourCommand("User1Click");
}
void TForm1::Cpu1Click() {
    runColourCommand("Cpu1Click");
}
void TForm1::Mystring2Click() {
    runColourCommand("Mystring2Click");
}
void TForm1::User2Click() {
    runFontCommand("User2Click");
}
void TForm1::Cpu2Click() {
    runFontCommand("Cpu2Click");
}
void TForm1::Mystring1Click() {
    runFontCommand("Mystring1Click");
}

void TForm1::N13Click() {
    using Step = AppearanceSettings::RestoreStep;
    for (Step step : AppearanceSettings::restoreSteps()) {
        switch (step) {
        case Step::ShowMark:
            showInitialSettingsMark();
            break;
        case Step::EditorFields:
            if (form2_) {
                form2_->restoreDefaults();
            }
            break;
        case Step::AboutHeight:
            if (form3_) {
                form3_->fold();
            }
            break;
        default:
            applyAppearance(AppearanceSettings::restoreStep(step));
            break;
        }
    }
    // The editor's fields changed above by the restore itself: the initial settings are back.
    showInitialSettingsMark();
}

// Full screen lifts the window's fixed size for as long as it lasts, so the window can be
// maximised although the user cannot resize it.
void TForm1::N40Click() {
    const bool on = !appearanceSettings_.fullScreen();
    appearanceSettings_.setFullScreen(on);
    N40->setChecked(on);
    N40->setText(QString::fromStdString(appearanceSettings_.fullScreenCaption()));
    if (on) {
        normalPlace_ = pos();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowMaximized);
        // What a maximised window covers; the desktop's answer, if it differs, lays the controls
        // out again as it comes (resizeEvent).
        QScreen* desktop = screen();
        const QSize outer = desktop ? desktop->availableGeometry().size() : frameGeometry().size();
        layOut(FullScreenLayout::forOuterSize(outer.width(), outer.height()));
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setFixedSize(normalSize_);
        move(normalPlace_); // not every desktop puts a window back where it was
        layOut(FullScreenLayout::normal());
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // While full screen is on the controls fill the window, also when the desktop resizes it
    // (a window manager may take it out of the maximised state by itself). Resizes may arrive
    // late: the window's size as it stands now is the one to lay out for.
    if (appearanceSettings_.fullScreen() && !isMinimized()) {
        const QSize outer = frameGeometry().size();
        layOut(FullScreenLayout::forOuterSize(outer.width(), outer.height()));
    }
    dockStatusBar();
}

void TForm1::layOut(const FullScreenLayout& layout) {
    TabControl1->resize(layout.tabControl1Width, layout.tabControl1Height);
    RE1->resize(layout.RE1Width, layout.RE1Height);
    TabControl2->setGeometry(TabControl2->x(), layout.tabControl2Top, layout.tabControl2Width,
                             TabControl2->height());
    Speak->move(layout.speakLeft, Speak->y());
    EnRus->move(layout.enRusLeft, EnRus->y());
    Cancel->move(layout.cancelLeft, Cancel->y());
    Input->resize(layout.inputWidth, Input->height());
    dockStatusBar();
}

// The status bar keeps to the bottom edge of the window, across its whole width.
void TForm1::dockStatusBar() {
    if (QWidget* client = centralWidget(); client && SB1) {
        SB1->setGeometry(0, client->height() - SB1->height(), client->width(), SB1->height());
    }
}

void TForm1::N12Click() {
    if (!form3_) {
        return;
    }
    takeOutOfService();
    form3_->fold();
    form3_->showCentred();
    form3_->setEnabled(true);
}

void TForm1::connectSettings() {
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {N6, &TForm1::N6Click},
        {N21, &TForm1::N21Click},
        {N16, &TForm1::N16Click},
        {N9, &TForm1::N9Click},
        {User1, &TForm1::User1Click},
        {Cpu1, &TForm1::Cpu1Click},
        {Mystring2, &TForm1::Mystring2Click},
        {User2, &TForm1::User2Click},
        {Cpu2, &TForm1::Cpu2Click},
        {Mystring1, &TForm1::Mystring1Click},
        {N13, &TForm1::N13Click},
        {N40, &TForm1::N40Click},
        {N12, &TForm1::N12Click},
    };
    for (const auto& [action, handler] : commands) {
        connect(action, &QAction::triggered, this, handler);
    }
}
