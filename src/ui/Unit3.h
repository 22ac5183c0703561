#pragma once

#include "dialogue/AboutHeight.h"
#include "engine/PathResolver.h"
#include "ui/FormServices.h"
#include "ui/HandlerErrors.h"
#include "ui/SecondaryForm.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TForm1;

// The about window "О программе": the picture, the version and two buttons; below them, folded
// away until "История" is pressed, the history from "ReadMe.Txt". It is opened by the main window,
// which it takes out of service while it is shown, and closed only by "Закрыть".
class TForm3 : public SecondaryForm {
public:
    explicit TForm3(const FormServices& services);

    // The main window this one takes out of service.
    void setMainForm(TForm1* form) { main_ = form; }

    // --- Handlers ---
    void FormCreate();   // loads the picture
    void Button1Click(); // "История": reloads the history, folds out or in
    void Button2Click(); // "Закрыть"

    // The outer height (frame and title bar included), 179 folded and 327 unfolded.
    int Height() const { return height_.height(); }
    void fold();
    // Shown in the middle of the desktop.
    void showCentred();

    // --- Controls ---
    QFrame* TabControl1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Inform = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QFrame* TabControl2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    // A close request the window manager still delivers closes the window as "Закрыть" does, so
    // the main window is never left out of service.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildControls();
    void applyHeight();

    PathResolver folder_;
    HandlerErrors errors_;
    AboutHeight height_;
    TForm1* main_ = nullptr;
};
