#pragma once

#include "dialogue/ExchangeFile.h"
#include "ui/SecondaryForm.h"

#include <string>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TForm1;

// The editor dialog "Редактор": the exchange file of the Cpu\Cpu mode, the trigger of its turns
// and their period. Its settings take effect at once, also while it is open: the exchange timer
// and the turn read them whenever they run. Nothing is kept between runs.
//
// It is left through its two buttons only: no close box, no default or cancel key. A close request
// the window manager still delivers is taken as "Отмена", so the main window is never left
// disabled.
class TForm2 : public SecondaryForm {
public:
    TForm2();

    // The main window it gives back to when it is left.
    void setMainForm(TForm1* form) { main_ = form; }

    // Shows the dialog centred on the desktop, above the main window.
    void open(QWidget& over);

    // The path of the exchange file, Windows-1251, as the user wrote it.
    std::string exchangePath() const;
    ExchangeFile::Settings settings() const;
    // The value of the period field (a text that is no whole number counts as 1).
    int periodValue() const;
    void setPeriodValue(int milliseconds);
    // The restore command's change of the path and the period, which keeps the restore mark.
    void restoreDefaults();

    // --- Handlers ---
    void RB1Click();
    void RB2Click();
    void Edit1Change();
    void SpinEdit1Change();
    void Button1Click(); // "Хорошо"
    void Button2Click(); // "Отмена"

    // --- Controls ---
    QFrame* Bevel1;
    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QGroupBox* GroupBox2;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QSpinBox* SpinEdit1;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void leave();

    TForm1* main_ = nullptr;
    bool restoring_ = false;
};
