#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The program folder a program works in, chosen the same way by the window program and the
// console. A folder that holds the knowledge base ("Base\Words.Dat") is worked in where it is, so
// a program started inside one behaves as it always has. Started anywhere else, a program works
// in the user's own folder, $XDG_DATA_HOME/lorintal (by default ~/.local/share/lorintal): it is
// made from the installed data the first time, and later starts only add shipped files it lacks.
// Nothing in it is ever overwritten: what the program has learned is the user's, and neither a
// new start nor an upgrade of the installed data may replace it.
class ProgramFolder {
public:
    // Where to look. The installed data is found from the running executable, never from a path
    // fixed at build time, so any install prefix works, and so does an unpacked package.
    struct Places {
        std::filesystem::path working;   // the working directory
        std::filesystem::path installed; // the shipped program folder as installed
        std::filesystem::path user;      // the user's own program folder
    };

    struct Choice {
        std::filesystem::path folder;
        bool made = false;   // the user's folder was made just now
        int added = 0;       // shipped files added to the user's existing folder
        std::string trouble; // shipped files that could not be added, and why; the folder is used
    };

    // What a program cannot work without: no folder to work in and nothing to make one from.
    class Error : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // The places for this process: its working directory, the installed data beside its own
    // executable, and the user's folder named by its environment. Throws Error when neither
    // XDG_DATA_HOME nor a home folder can be found.
    static Places here();

    // The installed data seen from an executable in a "bin" folder: "../share/lorintal/program".
    static std::filesystem::path installedBeside(const std::filesystem::path& executable);

    // $XDG_DATA_HOME/lorintal when XDG_DATA_HOME is an absolute path (a relative one is ignored,
    // as the base directory rules ask), else HOME/.local/share/lorintal. Either may be null.
    static std::filesystem::path userFolder(const char* xdgDataHome, const char* home);

    // Whether the folder holds "Base\Words.Dat", its names matched without regard to letter case
    // as the program reads them.
    static bool holdsBase(const std::filesystem::path& folder);

    // The folder to work in, making the user's folder or topping it up as described above. Throws
    // Error when the user's folder is needed but cannot be had.
    static Choice choose(const Places& places);

    // The folder for a program that only reads the base: the working directory when it holds the
    // base, else the user's folder as it stands; nothing is made.
    static std::filesystem::path find(const Places& places);

    // What a program says on standard error about a choice, a line each; none when the folder
    // was used as it stood.
    static std::vector<std::string> notes(const Choice& choice, const Places& places);

    // choose() for this process, as a program starts: what was made or added is said on
    // `messages`, each line after the program's name; a failure too, and then there is no folder.
    static std::optional<std::filesystem::path> chooseAtStart(std::string_view program,
                                                              std::ostream& messages);
};
