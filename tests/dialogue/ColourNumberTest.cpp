#include "dialogue/ColourNumber.h"

#include <gtest/gtest.h>

TEST(ColourNumber, ADirectColourIsBlueGreenRedFromTheTop) {
    const ColourNumber silver = ColourNumber::fromNumber(12632256);
    EXPECT_FALSE(silver.isSystem());
    EXPECT_EQ(silver.red(), 192);
    EXPECT_EQ(silver.green(), 192);
    EXPECT_EQ(silver.blue(), 192);

    const ColourNumber c = ColourNumber::fromNumber(0x00336699);
    EXPECT_EQ(c.red(), 0x99);
    EXPECT_EQ(c.green(), 0x66);
    EXPECT_EQ(c.blue(), 0x33);
    EXPECT_EQ(c.rgb(), 0x996633u);
    EXPECT_EQ(c.number(), 0x00336699);
    EXPECT_EQ(c, ColourNumber::fromRgb(0x99, 0x66, 0x33));

    EXPECT_EQ(ColourNumber::fromNumber(0), ColourNumber());
    EXPECT_EQ(ColourNumber::fromNumber(16777215).rgb(), 0xFFFFFFu);
}

TEST(ColourNumber, TheBitsAboveBlueOfADirectColourCarryNothing) {
    const ColourNumber c = ColourNumber::fromNumber(0x1F0000FF);
    EXPECT_FALSE(c.isSystem());
    EXPECT_EQ(c.red(), 255);
    EXPECT_EQ(c.number(), 0x000000FF);
}

TEST(ColourNumber, ATopBitNamesASystemColourByItsLowestByte) {
    const ColourNumber text = ColourNumber::fromNumber(-2147483640); // 80000008
    EXPECT_TRUE(text.isSystem());
    EXPECT_EQ(text.systemIndex(), 8);
    EXPECT_EQ(text.systemColour(), SystemColour::WindowText);
    EXPECT_EQ(text.rgb(), 0u);
    EXPECT_EQ(text.red(), 0);
    EXPECT_EQ(text.number(), -2147483640);

    EXPECT_EQ(ColourNumber::fromNumber(static_cast<std::int32_t>(0x8000000Fu)).systemColour(),
              SystemColour::ButtonFace);
    EXPECT_EQ(ColourNumber::fromNumber(static_cast<std::int32_t>(0x80000000u)).systemColour(),
              SystemColour::ScrollBar);
    EXPECT_EQ(ColourNumber::fromNumber(-1).systemIndex(), 255);
    EXPECT_NE(ColourNumber::fromNumber(-2147483640), ColourNumber::fromNumber(8));
}

TEST(ColourNumber, FromRgbKeepsEachPartInItsByte) {
    EXPECT_EQ(ColourNumber::fromRgb(0, 128, 128).number(), 0x00808000);
    EXPECT_EQ(ColourNumber::fromRgb(300, -5, 0).rgb(), 0xFF0000u);
}
