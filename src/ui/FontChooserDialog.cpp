#include "ui/FontChooserDialog.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"
#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

FontChooserDialog::FontChooserDialog(const FontSetting& offered, int fixedSize, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Шрифт"));
    const QString name = fromCp(offered.name.value_or(""));

    face_ = new QFontComboBox(this);
    face_->setCurrentFont(WindowLook::font(name, 8));
    // The name as the program keeps it, also where it stands for a face drawn by a stand-in:
    // confirming without touching the face keeps the name.
    face_->setEditText(name);
    size_ = new QSpinBox(this);
    size_->setRange(fixedSize > 0 ? fixedSize : 1, fixedSize > 0 ? fixedSize : 72);
    size_->setValue(fixedSize > 0 ? fixedSize : offered.size.value_or(8));
    bold_ = new QCheckBox(QStringLiteral("Полужирный"), this);
    bold_->setChecked(offered.style.value_or(FontStyle{}).bold);
    italic_ = new QCheckBox(QStringLiteral("Курсив"), this);
    italic_->setChecked(offered.style.value_or(FontStyle{}).italic);
    sample_ = new QLabel(QStringLiteral("АаБбВвЯя AaBbYyZz"), this);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(260, 48);
    sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Шрифт:"), face_);
    fields->addRow(QStringLiteral("Размер:"), size_);
    fields->addRow(QString(), bold_);
    fields->addRow(QString(), italic_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(sample_);
    column->addWidget(buttons);

    connect(face_, &QComboBox::currentTextChanged, this, &FontChooserDialog::showSample);
    connect(size_, &QSpinBox::valueChanged, this, &FontChooserDialog::showSample);
    connect(bold_, &QCheckBox::toggled, this, &FontChooserDialog::showSample);
    connect(italic_, &QCheckBox::toggled, this, &FontChooserDialog::showSample);
    showSample();
}

FontSetting FontChooserDialog::chosen() const {
    return FontSetting{toCp(face_->currentText()), size_->value(),
                       FontStyle{bold_->isChecked(), italic_->isChecked()}};
}

void FontChooserDialog::showSample() {
    sample_->setFont(WindowLook::font(face_->currentText(), size_->value(), bold_->isChecked(),
                                      italic_->isChecked()));
}

std::optional<FontSetting> FontChooserDialog::choose(const FontSetting& offered, int fixedSize,
                                                     QWidget* parent) {
    FontChooserDialog dialog(offered, fixedSize, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}
