#include "LineFiles.h"

#include "FileError.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRtfMagic = "{\\rtf";

// Reads the whole file into the buffer, which only ever grows, so that reading the same large
// file again and again allocates nothing. Returns the number of bytes read, or nothing.
std::optional<std::size_t> readWhole(const fs::path& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto expected = static_cast<std::size_t>(info.st_size) + 1; // + 1 sees a grown file
    if (buffer.size() < expected) {
        buffer.resize(expected);
    }
    std::size_t done = 0;
    for (;;) {
        if (done == buffer.size()) {
            buffer.resize(buffer.size() * 2); // the file grew while it was read
        }
        const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ::close(fd);
            return got == 0 ? std::optional(done) : std::nullopt;
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

struct LineFiles::Memory {
    struct Entry {
        std::string bytes;
        LineList lines;
    };
    std::unordered_map<std::string, Entry> files;
    std::string buffer;
};

LineFiles::LineFiles(PathResolver resolver)
    : resolver_(std::move(resolver)), memory_(std::make_shared<Memory>()) {}

LineList LineFiles::parse(std::string_view bytes) {
    if (bytes.substr(0, kRtfMagic.size()) == kRtfMagic) {
        return LineList(RtfReader::read(bytes));
    }
    return LineList::fromText(bytes);
}

LineList LineFiles::load(const std::string& name) const {
    const fs::path path = resolver_.resolve(name);
    const auto size = readWhole(path, memory_->buffer);
    if (!size) {
        throw FileError::cannotOpen(name);
    }
    const std::string_view bytes(memory_->buffer.data(), *size);
    Memory::Entry& known = memory_->files[path.string()];
    if (known.bytes != bytes) {
        known.lines = parse(bytes);
        known.bytes.assign(bytes); // keeps its memory when the size is alike
    }
    return known.lines;
}

void LineFiles::save(const std::string& name, const LineList& lines) const {
    const fs::path path = resolver_.resolve(name);
    Memory::Entry& known = memory_->files[path.string()];
    RtfWriter::write(lines.lines(), known.bytes);
    if (!replaceAtomically(path, known.bytes)) {
        memory_->files.erase(path.string());
        throw FileError::cannotCreate(name);
    }
    known.lines = lines;
}
