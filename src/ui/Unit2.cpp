#include "Unit2.h"

#include "Cp1251.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>

TForm2::TForm2() : SecondaryForm(QStringLiteral("Редактор"), QSize(305, 185), Qt::Dialog) {
    auto* GroupBox1 = new QGroupBox(QStringLiteral("Путь файла для внешнего ввода-вывода:"), this);
    GroupBox1->setGeometry(8, 8, 289, 57);
    Edit1 = new QLineEdit(QStringLiteral("D:\\Txt.Dat"), GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 24, 273, 21);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 36000);
    SpinEdit1->setValue(1);
    SpinEdit1->setEnabled(false);
    SpinEdit1->hide();
}

std::string TForm2::exchangePath() const {
    return cp1251::fromUtf8(Edit1->text().toStdString());
}
