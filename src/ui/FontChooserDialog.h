#pragma once

#include "dialogue/Appearance.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

// The font chooser the user sees: face, size, bold and italic, with a sample. It offers no
// effects and no colour, and a chooser with a fixed size offers that size only.
class FontChooserDialog : public QDialog {
public:
    FontChooserDialog(const FontSetting& offered, int fixedSize, QWidget* parent);

    FontSetting chosen() const;

    // Shows the dialog modally: the font confirmed with "OK", or nothing.
    static std::optional<FontSetting> choose(const FontSetting& offered, int fixedSize,
                                             QWidget* parent);

private:
    void showSample();

    QFontComboBox* face_;
    QSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QLabel* sample_;
};
