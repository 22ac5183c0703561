#pragma once

#include "SecondaryForm.h"

// The about window "О программе".
class TForm3 : public SecondaryForm {
public:
    TForm3();
};
