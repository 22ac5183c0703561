#pragma once

#include "SecondaryForm.h"

#include <string>

class QLineEdit;
class QSpinBox;

// The editor dialog "Редактор": where the exchange file of the Cpu\Cpu mode is named.
class TForm2 : public SecondaryForm {
public:
    TForm2();

    // The path of the exchange file, Windows-1251, as the user wrote it.
    std::string exchangePath() const;

    QLineEdit* Edit1;
    // The exchange period in milliseconds, 1 to 36000, 1 at start. A stand-in, not shown, for the
    // period field of the dialogue modes: the restore sets it.
    QSpinBox* SpinEdit1;
};
