#include "Unit3.h"

TForm3::TForm3() : SecondaryForm(QStringLiteral("О программе"), QSize(377, 152), Qt::Dialog) {}
