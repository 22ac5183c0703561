#pragma once

#include "SecondaryForm.h"

// The on-screen keyboard "Виртуальная клавиатура".
class TForm4 : public SecondaryForm {
public:
    TForm4();
};
