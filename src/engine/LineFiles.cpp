#include "LineFiles.h"

#include "FileError.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRtfMagic = "{\\rtf";

bool readWhole(const fs::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(bytes.size() + 65536); // the file may have grown since fstat
        }
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ::close(fd);
            bytes.resize(done);
            return got == 0;
        }
        done += static_cast<std::size_t>(got);
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Writes bytes beside the target, flushes them to disk and renames them over the target, keeping
// the old file's permissions. On any failure the temporary file goes and the target is untouched.
bool replaceAtomically(const fs::path& target, std::string_view bytes) {
    mode_t mode = 0644;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return false;
        }
        mode = info.st_mode & 07777;
    }
    std::string temp = target.string() + ".saving-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fdatasync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace

LineList LineFiles::parse(std::string_view bytes) {
    if (bytes.substr(0, kRtfMagic.size()) == kRtfMagic) {
        return LineList(RtfReader::read(bytes));
    }
    return LineList::fromText(bytes);
}

LineList LineFiles::load(const std::string& name) const {
    std::string bytes;
    if (!readWhole(resolver_.resolve(name), bytes)) {
        throw FileError::cannotOpen(name);
    }
    return parse(bytes);
}

void LineFiles::save(const std::string& name, const LineList& lines) const {
    if (!replaceAtomically(resolver_.resolve(name), RtfWriter::write(lines.lines()))) {
        throw FileError::cannotCreate(name);
    }
}
