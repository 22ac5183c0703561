#include "input/LayoutConverter.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string converted(const std::string& utf8) {
    return utf(LayoutConverter::convert(cp(utf8)));
}

TEST(LayoutConverter, LatinLineBecomesWhatTheSameKeysTypeInRussian) {
    const struct {
        std::string typed;
        std::string result;
    } cases[] = {
        {"ghbdtn", "привет"},
        {"Ghbdtn", "Привет"},
        {"ukfdysq /", "главный ."},
        {"Z 2 hfpf", "Я 2 раза"},       // digits and spaces stay
        {"привет, мир", "привет, мир"}, // a Cyrillic line is left alone
        {"", ""},
        {",.'?!%*()", ",.'?!%*()"}, // signs the layouts share
        {"|$^@", "/;:\""},          // no result is converted again
        {"/;:\"", ".жЖЭ"},          // ...but a second conversion goes on from there
        {"<>", "бю"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(converted(c.typed), c.result);
    }
}

// Every key of the table, written out again here in keyboard order, and every other character of
// the code page left as it is.
TEST(LayoutConverter, EveryRowOfTheTableAndNothingElse) {
    const std::string latin = "`~qQwWeErRtTyYuUiIoOpP[{]}aAsSdDfFgGhHjJkKlL;:\"zZxXcCvVbBnNmM<>/"
                              "@#$^&\\|";
    const std::string russian = "ёЁйЙцЦуУкКеЕнНгГшШщЩзЗхХъЪфФыЫвВаАпПрРоОлЛдДжЖЭяЯчЧсСмМиИтТьЬбю."
                                "\"№;:?\\/";
    ASSERT_EQ(latin.size(), 71u);
    EXPECT_EQ(converted(latin), russian);

    const std::set<char> sources(latin.begin(), latin.end());
    std::string others;
    for (int c = 1; c < 256; ++c) {
        if (!sources.count(static_cast<char>(c))) {
            others += static_cast<char>(c);
        }
    }
    EXPECT_EQ(LayoutConverter::convert(others), others);
}

} // namespace
