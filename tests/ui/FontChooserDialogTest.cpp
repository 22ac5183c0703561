// The font chooser the user sees: it offers the kept font and gives back what is confirmed.

#include "ui/FontChooserDialog.h"

#include "FormFixture.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QSpinBox>

namespace {

TEST(FontChooserDialog, ConfirmingUntouchedGivesBackTheFontAsTheProgramNamesIt) {
    testApplication();
    // "MS Sans Serif" is drawn by a stand-in here; the name must come back as written.
    const FontSetting offered{"MS Sans Serif", 10, FontStyle{true, false}};
    FontChooserDialog dialog(offered, 0, nullptr);
    EXPECT_EQ(dialog.chosen(), offered);
}

TEST(FontChooserDialog, OffersFaceSizeBoldAndItalicOnlyAndAFixedSizeAlone) {
    testApplication();
    FontChooserDialog dialog(FontSetting{"Courier New", 12, FontStyle{false, true}}, 8, nullptr);
    EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 2); // bold and italic, no effects
    auto* size = dialog.findChild<QSpinBox*>();
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->minimum(), 8);
    EXPECT_EQ(size->maximum(), 8);
    size->setValue(12);
    dialog.findChild<QFontComboBox*>()->setEditText(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialog.chosen(), (FontSetting{"DejaVu Serif", 8, FontStyle{false, true}}));
}

} // namespace
