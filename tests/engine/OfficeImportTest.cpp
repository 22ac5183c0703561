#include "engine/RtfWriter.h"
#include "support/Cp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// What the program writes reads back as the same lines in an office suite's RTF import. Runs where
// LibreOffice is installed (it is not needed to build or run the program) and is skipped elsewhere.
TEST(OfficeImport, AWordProcessorReadsTheSavedLinesAsWritten) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no LibreOffice here";
    }
    std::string everyByte;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte != 0x98 && byte != 0xAD) { // unassigned, and the soft hyphen an editor hides
            everyByte += static_cast<char>(byte);
        }
    }
    const std::vector<std::string> lines = {cp("Привет, мир!"),
                                            "",
                                            cp("  два пробела в начале и в конце  "),
                                            "back\\slash {braces}",
                                            cp("ёЁ «кавычки» — тире №5"),
                                            "tab\there",
                                            "",
                                            everyByte,
                                            "   ",
                                            "last"};
    TempFolder folder;
    folder.write("lines.rtf", RtfWriter::write(lines));
    const std::string command = "cd '" + folder.path().string() +
                                "' && HOME=\"$PWD\" timeout 120 soffice --headless --convert-to "
                                "'txt:Text (encoded):UTF8,LF,,,' lines.rtf >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string text = folder.read("lines.txt");
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3); // the byte-order mark of the export
    }
    std::string expected;
    for (const std::string& line : lines) {
        expected += utf(line) + "\n";
    }
    EXPECT_EQ(text, expected);
}
