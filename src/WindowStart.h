#pragma once

#include <QIcon>

#include <filesystem>
#include <optional>

// What the window program settles before its windows exist: its command line, the display it
// opens on, the program folder it works in, and its icon.
class WindowStart {
public:
    // Reads the options and chooses the display, before Qt starts. Returns the exit status when
    // the program ends here: after --help or --version, on a wrong option, or with no display.
    std::optional<int> beforeQt(int argc, char** argv);

    // The folder named by --dir, else the one ProgramFolder chooses, made the working directory;
    // what was made is said on standard error. Nullopt when there is none, after saying why on
    // standard error and in a message box, since from the menu nobody reads standard error.
    std::optional<std::filesystem::path> programFolder() const;

    // The icon of the desktop's theme, else the one installed beside the program, which any
    // prefix and the build tree have.
    static QIcon icon();

private:
    std::optional<std::filesystem::path> folder_;
};
