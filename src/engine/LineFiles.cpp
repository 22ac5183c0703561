#include "engine/LineFiles.h"

#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/Fingerprint.h"
#include "engine/RtfDamage.h"
#include "engine/RtfReader.h"
#include "engine/RtfWriter.h"
#include "engine/SaveLeftovers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRtfMagic = "{\\rtf";

enum class ReadResult { Failed, Same, Changed };

// Reads up to piece.size() bytes at the file's position; returns how many, or nothing.
std::optional<std::size_t> readPiece(int fd, std::string& piece) {
    std::size_t done = 0;
    while (done < piece.size()) {
        const ssize_t got = ::read(fd, piece.data() + done, piece.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// Reads the whole file, piece by piece, against what was known of it. While every piece agrees
// with the known fingerprint only the digests are made, so a file that is the same costs the
// reading alone. From the first piece that differs (or at once, when the size does) the file is
// read again from its start into `fresh`, with its fingerprint into `print`.
ReadResult readComparing(int fd, const Fingerprint& known, std::string& piece, std::string& fresh,
                         Fingerprint& print) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadResult::Failed;
    }
    piece.resize(Fingerprint::kPiece);
    const std::size_t size = static_cast<std::size_t>(info.st_size);
    bool comparing = size == known.size();
    std::size_t index = 0;
    for (;;) {
        const auto got = readPiece(fd, piece);
        if (!got) {
            return ReadResult::Failed;
        }
        const std::string_view bytes(piece.data(), *got);
        if (comparing) {
            const std::size_t count = known.pieces().size();
            if (bytes.empty() && index == count) {
                return ReadResult::Same;
            }
            if (!bytes.empty() && index < count &&
                Fingerprint::digest(bytes) == known.pieces()[index]) {
                ++index;
                continue;
            }
            comparing = false;
            if (::lseek(fd, 0, SEEK_SET) != 0) {
                return ReadResult::Failed;
            }
            continue;
        }
        if (bytes.empty()) {
            return ReadResult::Changed;
        }
        if (fresh.empty()) {
            fresh.reserve(size);
        }
        print.add(bytes);
        fresh.append(bytes);
    }
}

// The file a save must replace: the target itself, or, when the target is a symbolic link, the
// file it leads to, so that the link stays a link (a base kept in a synced folder, say). A link
// that leads nowhere, or round in a loop, is no file to save to.
std::optional<fs::path> fileToReplace(const fs::path& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return target;
    }
    char real[PATH_MAX];
    if (::realpath(target.c_str(), real) == nullptr) {
        return std::nullopt;
    }
    return fs::path(real);
}

// Whether the user may write the file in place. A file marked read-only (no write permission for
// anyone) is left alone even by the superuser, who could otherwise write over anything: the mark
// is the user's way of saying the file must stay as it is.
bool mayWrite(const fs::path& file, mode_t mode) {
    if ((mode & 0222) == 0) {
        return false;
    }
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

// Writes bytes beside the file, flushes them to disk and renames them over it, keeping the old
// file's permissions. On any failure the temporary file goes and the file is untouched. Only a
// regular file the user may write is replaced, or a new one made.
bool replaceAtomically(const fs::path& target, const std::function<bool(int)>& writeContent) {
    const std::optional<fs::path> file = fileToReplace(target);
    if (!file) {
        return false;
    }
    mode_t mode = 0644;
    struct stat info {};
    if (::stat(file->c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || !mayWrite(*file, info.st_mode)) {
            return false;
        }
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }
    std::string temp = saveleftovers::templateFor(*file);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = writeContent(fd) && ::fchmod(fd, mode) == 0 && ::fdatasync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), file->c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace

struct LineFiles::KnownFile {
    Fingerprint print;
    LineList lines;
    std::shared_ptr<const PatternIndex> index; // made on first asking
};

struct LineFiles::Memory {
    std::unordered_map<std::string, KnownFile> files;
    std::string piece;
};

namespace {

// The lines of a file this large are not kept between loads: a copy that learns would otherwise
// hold them twice (once here, once changed), and a base this size is read whole on every use
// anyway.
constexpr std::size_t kKeptLinesLimit = 32 * 1024 * 1024;

} // namespace

LineFiles::LineFiles(PathResolver resolver)
    : resolver_(std::move(resolver)), memory_(std::make_shared<Memory>()) {}

LineList LineFiles::parse(std::string_view bytes) {
    if (bytes.substr(0, kRtfMagic.size()) == kRtfMagic) {
        return LineList(RtfReader::read(bytes));
    }
    return LineList::fromText(bytes);
}

// Only regular files are read: a named pipe or a device in place of a base file would make the
// program wait for ever, so the file is opened without blocking and refused unless regular.
// Returns what is known of the file from now on, or null for a file too large to keep.
LineFiles::KnownFile* LineFiles::loadKnown(const std::string& name, LineList& lines) const {
    const fs::path path = resolver_.resolve(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        throw FileError::cannotOpen(name);
    }
    KnownFile& known = memory_->files[path.string()];
    std::string fresh;
    Fingerprint print;
    const ReadResult result = readComparing(fd, known.print, memory_->piece, fresh, print);
    ::close(fd);
    switch (result) {
    case ReadResult::Failed:
        throw FileError::cannotOpen(name);
    case ReadResult::Changed:
        try {
            lines = parse(fresh);
        } catch (const RtfDamage& damage) {
            memory_->files.erase(path.string());
            throw FileError::damaged(name, damage.offset());
        }
        if (fresh.size() > kKeptLinesLimit) {
            memory_->files.erase(path.string());
            return nullptr;
        }
        known = {std::move(print), lines, nullptr};
        return &known;
    case ReadResult::Same:
        break;
    }
    lines = known.lines;
    return &known;
}

LineList LineFiles::load(const std::string& name) const {
    LineList lines;
    loadKnown(name, lines);
    return lines;
}

LineFiles::Indexed LineFiles::loadIndexed(const std::string& name) const {
    Indexed loaded;
    KnownFile* known = loadKnown(name, loaded.lines);
    if (known != nullptr) {
        if (!known->index) {
            known->index = std::make_shared<const PatternIndex>(known->lines);
        }
        loaded.index = known->index;
    }
    return loaded;
}

void LineFiles::save(const std::string& name, const LineList& lines) const {
    const fs::path path = resolver_.resolve(name);
    Fingerprint print;
    const bool saved = replaceAtomically(path, [&lines, &print](int fd) {
        return RtfWriter::writePieces(lines.lines(), Fingerprint::kPiece,
                                      [fd, &print](std::string_view piece) {
                                          print.add(piece);
                                          return filebytes::writeAll(fd, piece);
                                      });
    });
    if (!saved) {
        memory_->files.erase(path.string());
        throw FileError::cannotCreate(name);
    }
    if (print.size() > kKeptLinesLimit) {
        memory_->files.erase(path.string());
        return;
    }
    memory_->files[path.string()] = {std::move(print), lines, nullptr};
}
