#include "engine/LineList.h"

#include <gtest/gtest.h>

TEST(LineList, TextSplitsAtEveryKindOfLineEnd) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\nx", {"", "", "x"}},
        {" a \r\n  ", {" a ", "  "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LineList::fromText(c.text).lines(), c.lines);
    }
}

TEST(LineList, IndexOutsideTheListReadsEmptyAndDeletesNothing) {
    LineList list({"a", "b"});
    EXPECT_EQ(list.line(-1), "");
    EXPECT_EQ(list.line(2), "");
    list.remove(2);
    list.remove(-1);
    EXPECT_EQ(list.count(), 2);
    list.remove(0);
    EXPECT_EQ(list.lines(), std::vector<std::string>{"b"});
}

TEST(LineList, AppendingATextWithLineBreaksAddsALinePerPart) {
    LineList list;
    list.append("");
    list.append("x\r\ny");
    list.append("z\r\n");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"", "x", "y", "z"}));
    EXPECT_EQ(list.text(), "\r\nx\r\ny\r\nz\r\n");
}
