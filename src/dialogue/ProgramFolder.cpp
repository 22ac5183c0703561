#include "dialogue/ProgramFolder.h"

#include "engine/Cp1251.h"
#include "engine/PathResolver.h"
#include "engine/ProgramFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderName = "lorintal";

bool usable(const char* value) {
    return value != nullptr && *value != '\0';
}

// The name of a shipped file as the program writes names, so that the resolver finds the user's
// copy whatever its letter case ("base\words.dat" is the shipped "Base\Words.Dat").
std::string windowsName(const fs::path& relative) {
    std::string name = cp1251::fromUtf8(relative.generic_string());
    for (char& c : name) {
        if (c == '/') {
            c = '\\';
        }
    }
    return name;
}

// The user's copies must be theirs to change, whatever the permissions of the installed files.
void makeOwnersToChange(const fs::path& path, bool folder) {
    fs::permissions(path,
                    fs::perms::owner_read | fs::perms::owner_write |
                        (folder ? fs::perms::owner_exec : fs::perms::none),
                    fs::perm_options::add);
}

// Copies one file so that a crash or a full disk never leaves a cut-off file under the real name:
// the copy is written beside it and renamed into place only when whole.
void copyWhole(const fs::path& from, const fs::path& to) {
    fs::path partial = to;
    partial += ".partial";
    try {
        fs::copy_file(from, partial, fs::copy_options::overwrite_existing);
        makeOwnersToChange(partial, false);
        if (!fs::exists(to)) { // else made meanwhile by another copy of the program: theirs stands
            fs::rename(partial, to);
        }
    } catch (const fs::filesystem_error&) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        throw;
    }
    fs::remove(partial);
}

struct TopUp {
    int added = 0;
    std::string trouble;
};

// Adds to `folder` every shipped file and folder it lacks, leaving whatever is there untouched.
TopUp topUp(const fs::path& folder, const fs::path& installed) {
    TopUp result;
    const PathResolver resolver(folder);
    std::error_code error;
    for (fs::recursive_directory_iterator it(installed, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path relative = it->path().lexically_relative(installed);
        const fs::path target = resolver.resolve(windowsName(relative));
        try {
            if (it->is_directory()) {
                if (!fs::exists(target)) {
                    fs::create_directory(target);
                    makeOwnersToChange(target, true);
                }
            } else if (it->is_regular_file() && !fs::exists(target)) {
                copyWhole(it->path(), target);
                ++result.added;
            }
        } catch (const fs::filesystem_error& failure) {
            if (result.trouble.empty()) {
                result.trouble = "cannot add " + relative.string() + " to " + folder.string() +
                                 ": " + failure.code().message();
            }
        }
    }
    if (error && result.trouble.empty()) {
        result.trouble =
            "cannot read the installed data at " + installed.string() + ": " + error.message();
    }
    return result;
}

// Makes the folders on the way to the user's folder that are missing, for the owner alone, as
// the base directory rules ask of a data folder that has to be made.
void makeParents(const fs::path& folder) {
    fs::path path;
    for (const fs::path& part : folder.parent_path()) {
        path /= part;
        if (!fs::exists(path)) {
            fs::create_directory(path);
            fs::permissions(path, fs::perms::owner_all);
        }
    }
}

// Makes the user's folder from the installed data. It is put together under a name of its own
// and renamed into place when complete, so that an interrupted first start leaves no half-made
// folder behind to be mistaken for the user's.
ProgramFolder::Choice make(const ProgramFolder::Places& places) {
    ProgramFolder::Choice choice{places.user, true, 0, {}};
    if (!fs::is_directory(places.installed)) {
        throw ProgramFolder::Error("no program folder here (no Base\\Words.Dat in " +
                                   places.working.string() + ") and no installed data at " +
                                   places.installed.string() + " to make " + places.user.string() +
                                   " from");
    }
    fs::path building = places.user;
    building += ".new-" + std::to_string(::getpid());
    try {
        makeParents(places.user);
        fs::remove_all(building);
        fs::create_directory(building);
        fs::permissions(building, fs::perms::owner_all); // conversations are private
        const TopUp copied = topUp(building, places.installed);
        if (!copied.trouble.empty()) {
            fs::remove_all(building);
            throw ProgramFolder::Error("cannot make " + places.user.string() + ": " +
                                       copied.trouble);
        }
        std::error_code taken;
        fs::rename(building, places.user, taken);
        if (taken) {
            fs::remove_all(building);
            if (!fs::is_directory(places.user)) {
                throw fs::filesystem_error("rename", building, places.user, taken);
            }
            choice.made = false; // another copy of the program made it first: theirs stands
        }
    } catch (const fs::filesystem_error& failure) {
        std::error_code ignored;
        fs::remove_all(building, ignored);
        throw ProgramFolder::Error("cannot make " + places.user.string() + ": " +
                                   failure.code().message());
    }
    return choice;
}

} // namespace

ProgramFolder::Places ProgramFolder::here() {
    Places places;
    places.working = fs::current_path();
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        places.installed = installedBeside(executable);
    }
    const char* home = std::getenv("HOME");
    if (!usable(home)) {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    places.user = userFolder(std::getenv("XDG_DATA_HOME"), home);
    if (places.user.empty()) {
        throw Error("cannot tell where your program folder belongs: neither XDG_DATA_HOME nor a "
                    "home folder is known");
    }
    return places;
}

fs::path ProgramFolder::installedBeside(const fs::path& executable) {
    return (executable.parent_path() / ".." / "share" / kFolderName / "program").lexically_normal();
}

fs::path ProgramFolder::userFolder(const char* xdgDataHome, const char* home) {
    if (usable(xdgDataHome) && fs::path(xdgDataHome).is_absolute()) {
        return fs::path(xdgDataHome) / kFolderName;
    }
    if (usable(home)) {
        return fs::path(home) / ".local" / "share" / kFolderName;
    }
    return {};
}

bool ProgramFolder::holdsBase(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(PathResolver(folder).resolve(programfiles::Words), error);
}

ProgramFolder::Choice ProgramFolder::choose(const Places& places) {
    if (holdsBase(places.working)) {
        return {places.working, false, 0, {}};
    }
    std::error_code error;
    const fs::file_status status = fs::status(places.user, error);
    if (!fs::exists(status)) {
        return make(places);
    }
    if (!fs::is_directory(status)) {
        throw Error(places.user.string() + " is in the place of your program folder, but it is "
                                           "not a folder");
    }
    Choice choice{places.user, false, 0, {}};
    if (fs::is_directory(places.installed)) {
        // A folder without a base is made rather than topped up: an install into ~/.local puts
        // the installed data inside it, at ~/.local/share/lorintal/program.
        choice.made = !holdsBase(places.user);
        const TopUp added = topUp(places.user, places.installed);
        choice.added = added.added;
        choice.trouble = added.trouble;
    }
    return choice;
}

fs::path ProgramFolder::find(const Places& places) {
    return holdsBase(places.working) ? places.working : places.user;
}

std::vector<std::string> ProgramFolder::notes(const Choice& choice, const Places& places) {
    std::vector<std::string> lines;
    if (choice.made) {
        lines.push_back("made your program folder " + choice.folder.string() + " from " +
                        places.installed.string());
    }
    if (choice.added > 0 && !choice.made) {
        lines.push_back("added " + std::to_string(choice.added) +
                        (choice.added == 1 ? " shipped file" : " shipped files") +
                        " to your program folder " + choice.folder.string());
    }
    if (!choice.trouble.empty()) {
        lines.push_back(choice.trouble);
    }
    return lines;
}

std::optional<fs::path> ProgramFolder::chooseAtStart(std::string_view program,
                                                     std::ostream& messages) {
    try {
        const Places places = here();
        const Choice choice = choose(places);
        for (const std::string& line : notes(choice, places)) {
            messages << program << ": " << line << '\n';
        }
        return choice.folder;
    } catch (const std::exception& failure) { // Error, or a working directory that is gone
        messages << program << ": " << failure.what() << '\n';
        return std::nullopt;
    }
}
