#include "engine/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace filebytes {

std::optional<std::string> readRegular(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.emplace();
        bytes->reserve(static_cast<std::size_t>(info.st_size));
        char piece[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(fd, piece, sizeof piece);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                bytes.reset();
                break;
            }
            if (got == 0) {
                break;
            }
            bytes->append(piece, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return bytes;
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

} // namespace filebytes
