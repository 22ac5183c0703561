#pragma once

#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A gzip-compressed tar archive of plain files, as the base's snapshots are kept: the archive is
// made and read whole in memory (a base is a few megabytes). Only what the snapshots need is
// understood: regular files and folders in the ustar form. Anything else in an archive (links,
// devices, extended headers) is reported, never followed.
namespace targz {

struct Entry {
    std::string name; // with "/" between folders; a folder's name ends with "/"
    std::string bytes;
    std::time_t modified = 0;
    bool folder = false;
};

// An archive that cannot be read as one: the message says why.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The compressed archive of the entries. A name must fit the ustar header (up to 255 bytes, split
// at a "/"); throws ArchiveError otherwise.
std::string pack(const std::vector<Entry>& entries);

// The entries of a compressed archive, in order. Throws ArchiveError for anything that is not a
// gzip-compressed ustar archive of files and folders, or that would unpack to more than
// `sizeLimit` bytes.
inline constexpr std::size_t kSizeLimit = std::size_t(1) << 30;
std::vector<Entry> unpack(std::string_view compressed, std::size_t sizeLimit = kSizeLimit);

} // namespace targz
