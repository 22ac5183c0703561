#include "engine/PhrasePreparation.h"

#include "support/Cp.h"

#include <gtest/gtest.h>

TEST(PhrasePreparation, CapitalFirstLetterAndClosingPunctuation) {
    struct Case {
        const char* phrase;
        const char* prepared;
    } cases[] = {
        {"привет", "Привет."},
        {"ёлка!", "Ёлка!"},
        {"как дела?", "Как дела?"},
        {"hello", "hello."},
        {"Да,", "Да."},
        {"Ну...", "Ну..."},
        {"Что?!", "Что?!"},
        {"да ", "Да ."},
        {"а", "А."},
        {",", "."},
        {" привет", " привет."},
        {"5 котов", "5 котов."},
        {"ўі", "ўі."},
        {"(да)", "(да)."},
        {"я,,", "Я,."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(utf(preparePhrase(cp(c.phrase))), c.prepared);
    }
}
