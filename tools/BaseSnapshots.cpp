#include "tools/BaseSnapshots.h"

#include "engine/Cp1251.h"
#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/ProgramFiles.h"
#include "engine/SaveLeftovers.h"
#include "tools/TarGz.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <ostream>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTop = "Base";

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A file name a snapshot may hold: one name inside "Base", never a way out of it or a hidden file
// (the lock, say).
bool plainName(std::string_view name) {
    return !name.empty() && name.size() <= 255 && name.front() != '.' &&
           std::none_of(name.begin(), name.end(), [](char c) {
               return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
           });
}

// Writes the bytes beside the target and flushes them to disk; the caller renames the file into
// place. Nothing when it cannot, and then nothing is left behind.
std::optional<fs::path> writeBeside(const fs::path& target, std::string_view bytes, mode_t mode) {
    std::string temp = saveleftovers::templateFor(target);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return std::nullopt;
    }
    const bool written =
        filebytes::writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fdatasync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return fs::path(temp);
}

void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// "Base-2026-12-11-144722.tar.gz", or with "-2", "-3" ... when one was taken in the same second.
struct SnapshotName {
    std::string stamp;
    int number = 1;
    bool operator<(const SnapshotName& other) const {
        return std::tie(stamp, number) < std::tie(other.stamp, other.number);
    }
};

std::optional<SnapshotName> parseName(const std::string& fileName) {
    static const std::regex pattern(R"(Base-(\d{4}-\d\d-\d\d-\d{6})(?:-(\d{1,6}))?\.tar\.gz)");
    std::smatch match;
    if (!std::regex_match(fileName, match, pattern)) {
        return std::nullopt;
    }
    return SnapshotName{match[1], match[2].matched ? std::stoi(match[2]) : 1};
}

std::string stampOf(std::chrono::system_clock::time_point when) {
    const std::time_t time = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&time, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    return stamp;
}

std::time_t modifiedTime(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : 0;
}

// The file of that name in the folder: the exact name first, else one differing only in the case
// of its Latin letters, as the program finds its files.
fs::path fileIn(const fs::path& folder, const std::string& name) {
    if (fs::exists(fs::symlink_status(folder / name))) {
        return folder / name;
    }
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (lowerAscii(entry.path().filename().string()) == lowerAscii(name)) {
            return entry.path();
        }
    }
    return folder / name;
}

// The file a write must replace: a link's target, so a base file kept elsewhere through a link
// stays linked, as the program saves it.
std::optional<fs::path> throughLinks(const fs::path& target) {
    if (!fs::is_symlink(fs::symlink_status(target))) {
        return target;
    }
    char real[PATH_MAX];
    if (::realpath(target.c_str(), real) == nullptr) {
        return std::nullopt;
    }
    return fs::path(real);
}

} // namespace

BaseSnapshots::BaseSnapshots(LineFiles files) : files_(std::move(files)) {}

fs::path BaseSnapshots::folder() const {
    return files_.resolver().resolve(kFolder);
}

fs::path BaseSnapshots::baseFolder() const {
    return files_.resolver().resolve(kTop);
}

fs::path BaseSnapshots::take() {
    const BaseLock hold = files_.lockBase(programfiles::Words);
    return takeHeld(std::nullopt);
}

fs::path BaseSnapshots::takeHeld(const std::optional<fs::path>& keep) {
    const fs::path base = baseFolder();
    std::error_code error;
    if (!fs::is_directory(base, error)) {
        throw Error("there is no folder " + base.string() + " to take a snapshot of");
    }
    std::vector<targz::Entry> entries{{std::string(kTop) + "/", {}, modifiedTime(base), true}};
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(base)) {
        const std::string name = entry.path().filename().string();
        if (plainName(name) && !saveleftovers::isLeftover(name) &&
            fs::is_regular_file(entry.path(), error)) {
            names.insert(name);
        }
    }
    for (const std::string& name : names) {
        const std::optional<std::string> bytes = filebytes::readRegular(base / name);
        if (!bytes) {
            throw Error("cannot read " + (base / name).string());
        }
        entries.push_back({std::string(kTop) + "/" + name, *bytes, modifiedTime(base / name)});
    }
    std::string archive;
    try {
        archive = targz::pack(entries);
    } catch (const targz::ArchiveError& why) {
        throw Error(std::string("cannot make the snapshot: ") + why.what());
    }

    const fs::path backups = folder();
    fs::create_directories(backups, error);
    if (error) {
        throw Error("cannot make the folder " + backups.string() + ": " + error.message());
    }
    saveleftovers::removeIn(backups); // only a holder of the base writes here
    const std::string stamp = stampOf(std::chrono::system_clock::now());
    // A second snapshot within the same second is numbered after the last one, so that the names
    // sort as the snapshots were taken even when the oldest of them have gone.
    int last = 0;
    for (const auto& entry : fs::directory_iterator(backups, error)) {
        if (const auto name = parseName(entry.path().filename().string());
            name && name->stamp == stamp) {
            last = std::max(last, name->number);
        }
    }
    const fs::path target =
        backups / ("Base-" + stamp + (last == 0 ? "" : "-" + std::to_string(last + 1)) + ".tar.gz");
    const std::optional<fs::path> temp = writeBeside(target, archive, 0644);
    if (!temp || ::rename(temp->c_str(), target.c_str()) != 0) {
        if (temp) {
            ::unlink(temp->c_str());
        }
        throw Error("cannot write " + target.string());
    }
    flushFolder(backups);
    keepLast(keep ? keep : std::optional<fs::path>(target));
    return target;
}

std::vector<BaseSnapshots::Snapshot> BaseSnapshots::list() const {
    std::vector<std::pair<SnapshotName, Snapshot>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder(), error)) {
        const auto name = parseName(entry.path().filename().string());
        if (name && entry.is_regular_file(error)) {
            found.push_back({*name, {entry.path(), entry.file_size(error)}});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Snapshot> snapshots;
    for (auto& [name, snapshot] : found) {
        snapshots.push_back(std::move(snapshot));
    }
    return snapshots;
}

void BaseSnapshots::keepLast(const std::optional<fs::path>& keep) const {
    std::vector<Snapshot> snapshots = list();
    for (std::size_t i = 0; i + kKept < snapshots.size(); ++i) {
        std::error_code error;
        if (!keep || !fs::equivalent(snapshots[i].path, *keep, error)) {
            fs::remove(snapshots[i].path, error);
        }
    }
}

fs::path BaseSnapshots::find(const std::string& named) const {
    std::error_code error;
    if (fs::is_regular_file(named, error)) {
        return named;
    }
    const fs::path inFolder = folder() / named;
    if (named.find('/') == std::string::npos && fs::is_regular_file(inFolder, error)) {
        return inFolder;
    }
    throw Error("there is no snapshot " + named + " (lorintal-kb backups lists them)");
}

namespace {

// The files of a snapshot by their name in "Base", checked to be a snapshot of a base and nothing
// that could write outside it.
std::vector<targz::Entry> baseFilesIn(const fs::path& snapshot) {
    const std::optional<std::string> bytes = filebytes::readRegular(snapshot);
    if (!bytes) {
        throw BaseSnapshots::Error("cannot read " + snapshot.string());
    }
    const std::string notOurs = snapshot.string() + " is not a snapshot of a base: ";
    std::vector<targz::Entry> entries;
    try {
        entries = targz::unpack(*bytes);
    } catch (const targz::ArchiveError& why) {
        throw BaseSnapshots::Error(notOurs + why.what());
    }
    std::vector<targz::Entry> files;
    std::set<std::string> seen;
    const std::string top = std::string(kTop) + "/";
    for (targz::Entry& entry : entries) {
        if (entry.folder && (entry.name == top || entry.name == kTop)) {
            continue;
        }
        const std::string leaf = entry.name.substr(std::min(top.size(), entry.name.size()));
        if (entry.folder || entry.name.compare(0, top.size(), top) != 0 || !plainName(leaf)) {
            throw BaseSnapshots::Error(notOurs + "it holds " + entry.name +
                                       ", which is not a file of the folder Base");
        }
        if (!seen.insert(lowerAscii(leaf)).second) {
            throw BaseSnapshots::Error(notOurs + "it holds " + entry.name + " twice");
        }
        entry.name = leaf;
        files.push_back(std::move(entry));
    }
    if (seen.count("words.dat") == 0) {
        throw BaseSnapshots::Error(notOurs + "it holds no Base/Words.Dat");
    }
    return files;
}

} // namespace

LineList BaseSnapshots::wordsIn(const fs::path& snapshot) {
    for (const targz::Entry& file : baseFilesIn(snapshot)) {
        if (lowerAscii(file.name) == "words.dat") {
            try {
                return LineFiles::parse(file.bytes);
            } catch (const std::exception&) {
                throw Error("the Words.Dat of " + snapshot.string() + " cannot be read");
            }
        }
    }
    return {};
}

fs::path BaseSnapshots::restore(const fs::path& snapshot) {
    const std::vector<targz::Entry> files = baseFilesIn(snapshot);
    const BaseLock hold = files_.lockBase(programfiles::Words);
    const fs::path base = baseFolder();
    std::error_code error;
    fs::path before;
    if (fs::is_directory(base, error)) {
        before = takeHeld(snapshot);
    } else if (!fs::create_directories(base, error)) {
        throw Error("cannot make the folder " + base.string());
    }
    // Every file is written beside its place first: one that cannot be written leaves the base as
    // it was. Only then are they renamed into place, one after another.
    std::vector<std::pair<fs::path, fs::path>> written;
    auto giveUp = [&written](const std::string& why) {
        for (const auto& [temp, target] : written) {
            ::unlink(temp.c_str());
        }
        throw Error(why + "; nothing was restored");
    };
    for (const targz::Entry& file : files) {
        const std::optional<fs::path> target = throughLinks(fileIn(base, file.name));
        if (!target) {
            giveUp("Base/" + file.name + " is a link that leads nowhere");
        }
        struct stat info {};
        mode_t mode = 0644;
        if (::stat(target->c_str(), &info) == 0) {
            if (!S_ISREG(info.st_mode)) {
                giveUp(target->string() + " is not a plain file");
            }
            mode = info.st_mode & 07777;
        }
        const std::optional<fs::path> temp = writeBeside(*target, file.bytes, mode);
        if (!temp) {
            giveUp("cannot write beside " + target->string());
        }
        written.push_back({*temp, *target});
    }
    for (const auto& [temp, target] : written) {
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            throw Error("cannot put back " + target.string() + " (" + before.string() +
                        " holds the base as it was)");
        }
    }
    flushFolder(base);
    return before;
}

bool BaseSnapshots::due(std::chrono::system_clock::time_point now) const {
    const std::vector<Snapshot> snapshots = list();
    if (snapshots.empty()) {
        return true;
    }
    const auto taken = std::chrono::system_clock::from_time_t(modifiedTime(snapshots.back().path));
    return now - taken > std::chrono::hours(24);
}

void BaseSnapshots::takeDaily(const fs::path& folder, std::ostream& errors) {
    const char* const prefix = "lorintal: the daily snapshot of the base was not taken: ";
    try {
        BaseSnapshots snapshots{LineFiles(PathResolver(folder))};
        if (snapshots.due(std::chrono::system_clock::now())) {
            snapshots.take();
        }
    } catch (const FileError& error) {
        errors << prefix << cp1251::toUtf8(error.what()) << '\n';
    } catch (const std::exception& error) {
        errors << prefix << error.what() << '\n';
    }
}
