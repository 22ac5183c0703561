#include "Unit4.h"

TForm4::TForm4()
    : SecondaryForm(QStringLiteral("Виртуальная клавиатура"), QSize(353, 145),
                    Qt::Window | Qt::WindowMinimizeButtonHint) {}
