#include "dialogue/IntegerValue.h"

#include "dialogue/ValueError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Valid {
    const char* text;
    std::int32_t value;
};

const Valid kValid[] = {
    {"0", 0},
    {"8", 8},
    {"12632256", 12632256},
    {"   8", 8},
    {"+8", 8},
    {"-8", -8},
    {"-0", 0},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"-2147483640", -2147483640},
    {"$FF", 255},
    {"$ff", 255},
    {"xC0C0C0", 12632256},
    {"XC0C0C0", 12632256},
    {"0xC0C0C0", 12632256},
    {"0XC0C0C0", 12632256},
    {"  $10", 16},
    {"$80000008", -2147483640},
    {"0x80000008", -2147483640},
    {"$FFFFFFFF", -1},
    {"$7FFFFFFF", 2147483647},
    {"$000000000FF", 255},
};

const char* const kInvalid[] = {
    "",     " ",    "8 ",     "8\t",        "\t8",        "+",           "-",           "- 8",
    "+-8",  "1.5",  "1e3",    "8px",        "2147483648", "-2147483649", "99999999999", "$",
    "x",    "0x",   "$G",     "$1FFFFFFFF", "-$10",       "+0x10",       "00x10",       "0x 10",
    "$ 10", "12,5", "восемь",
};

} // namespace

TEST(IntegerValue, ReadsTheNumbersThePlatformReads) {
    for (const Valid& c : kValid) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IntegerValue::parse(c.text), c.value);
        EXPECT_EQ(IntegerValue::tryParse(c.text), c.value);
    }
}

TEST(IntegerValue, RefusesAnythingElseNamingTheTextAsWritten) {
    for (const char* text : kInvalid) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IntegerValue::tryParse(text).has_value());
        try {
            IntegerValue::parse(text);
            ADD_FAILURE() << "accepted";
        } catch (const ValueError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(IntegerValue, ANulInsideTheValueIsNotADigit) {
    EXPECT_FALSE(IntegerValue::tryParse(std::string("8\0", 2)).has_value());
}
