#include "tools/TarGz.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace targz {

namespace {

constexpr std::size_t kBlock = 512;
constexpr int kGzipWindow = 15 + 16; // zlib's window bits with a gzip wrapper

// Field offsets and sizes of a ustar header.
struct Field {
    std::size_t offset;
    std::size_t size;
};
constexpr Field kName{0, 100}, kMode{100, 8}, kUid{108, 8}, kGid{116, 8}, kSize{124, 12},
    kMtime{136, 12}, kChecksum{148, 8}, kType{156, 1}, kMagic{257, 6}, kVersion{263, 2},
    kPrefix{345, 155};

void putText(std::string& header, Field field, std::string_view text) {
    std::memcpy(header.data() + field.offset, text.data(), std::min(text.size(), field.size));
}

// Octal digits filling the field but its last byte, which stays NUL.
void putOctal(std::string& header, Field field, unsigned long long value) {
    std::string digits(field.size - 1, '0');
    for (std::size_t i = digits.size(); i-- > 0 && value != 0; value /= 8) {
        digits[i] = static_cast<char>('0' + value % 8);
    }
    if (value != 0) {
        throw ArchiveError("a value does not fit the archive header");
    }
    putText(header, field, digits);
}

unsigned checksumOf(std::string_view header) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        const bool inField = i >= kChecksum.offset && i < kChecksum.offset + kChecksum.size;
        sum += inField ? ' ' : static_cast<unsigned char>(header[i]);
    }
    return sum;
}

std::string headerFor(const Entry& entry) {
    std::string header(kBlock, '\0');
    std::string_view name = entry.name;
    if (name.size() > kName.size) {
        // The name is split at a "/" into the prefix and the rest.
        const std::size_t cut = name.rfind('/', kPrefix.size);
        if (cut == std::string_view::npos || name.size() - cut - 1 > kName.size || cut == 0) {
            throw ArchiveError("the name " + entry.name + " is too long for the archive");
        }
        putText(header, kPrefix, name.substr(0, cut));
        name.remove_prefix(cut + 1);
    }
    putText(header, kName, name);
    putOctal(header, kMode, entry.folder ? 0755 : 0644);
    putOctal(header, kUid, 0);
    putOctal(header, kGid, 0);
    putOctal(header, kSize, entry.folder ? 0 : entry.bytes.size());
    putOctal(header, kMtime,
             static_cast<unsigned long long>(std::max<std::time_t>(entry.modified, 0)));
    putText(header, kType, entry.folder ? "5" : "0");
    putText(header, kMagic, std::string_view("ustar\0", 6));
    putText(header, kVersion, "00");
    std::string checksum(7, '0');
    unsigned sum = checksumOf(header);
    for (std::size_t i = 6; i-- > 0; sum /= 8) {
        checksum[i] = static_cast<char>('0' + sum % 8);
    }
    checksum[6] = '\0';
    putText(header, kChecksum, checksum + " ");
    return header;
}

std::string gzip(std::string_view plain) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        throw ArchiveError("cannot start compressing");
    }
    std::string out(deflateBound(&stream, plain.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
    stream.avail_in = static_cast<uInt>(plain.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw ArchiveError("cannot compress the archive");
    }
    return out;
}

// Every gzip member of the input, one after another, as gzip itself reads them.
std::string gunzip(std::string_view compressed, std::size_t sizeLimit) {
    if (compressed.size() < 2 || static_cast<unsigned char>(compressed[0]) != 0x1f ||
        static_cast<unsigned char>(compressed[1]) != 0x8b) {
        throw ArchiveError("it is not a gzip-compressed file");
    }
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindow) != Z_OK) {
        throw ArchiveError("cannot start uncompressing");
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::string out;
    char piece[1 << 16];
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(piece);
        stream.avail_out = sizeof piece;
        const int result = inflate(&stream, Z_NO_FLUSH);
        out.append(piece, sizeof piece - stream.avail_out);
        if (out.size() > sizeLimit) {
            inflateEnd(&stream);
            throw ArchiveError("it unpacks to more than a base can hold");
        }
        if (result == Z_STREAM_END) {
            if (stream.avail_in == 0) {
                break;
            }
            inflateReset(&stream);
            continue;
        }
        if (result != Z_OK || (stream.avail_in == 0 && stream.avail_out != 0)) {
            inflateEnd(&stream);
            throw ArchiveError("its compressed data is damaged or cut short");
        }
    }
    inflateEnd(&stream);
    return out;
}

std::string_view textOf(std::string_view header, Field field) {
    const std::string_view raw = header.substr(field.offset, field.size);
    return raw.substr(0, raw.find('\0'));
}

unsigned long long octalOf(std::string_view header, Field field) {
    std::string_view digits = textOf(header, field);
    while (!digits.empty() && (digits.front() == ' ')) {
        digits.remove_prefix(1);
    }
    while (!digits.empty() && (digits.back() == ' ')) {
        digits.remove_suffix(1);
    }
    if (digits.empty()) {
        throw ArchiveError("a header of the archive is damaged");
    }
    unsigned long long value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '7' || value > (~0ULL >> 3)) {
            throw ArchiveError("a header of the archive is damaged");
        }
        value = value * 8 + static_cast<unsigned>(digit - '0');
    }
    return value;
}

bool allZero(std::string_view block) {
    return std::all_of(block.begin(), block.end(), [](char c) { return c == '\0'; });
}

} // namespace

std::string pack(const std::vector<Entry>& entries) {
    std::string tar;
    for (const Entry& entry : entries) {
        tar += headerFor(entry);
        if (!entry.folder) {
            tar += entry.bytes;
            tar.append((kBlock - entry.bytes.size() % kBlock) % kBlock, '\0');
        }
    }
    tar.append(2 * kBlock, '\0');
    return gzip(tar);
}

std::vector<Entry> unpack(std::string_view compressed, std::size_t sizeLimit) {
    const std::string tar = gunzip(compressed, sizeLimit);
    const std::string_view all = tar;
    std::vector<Entry> entries;
    std::size_t at = 0;
    for (;;) {
        if (at + kBlock > all.size()) {
            throw ArchiveError("it is not a tar archive, or it is cut short");
        }
        const std::string_view header = all.substr(at, kBlock);
        if (allZero(header)) {
            break; // the end of the archive
        }
        if (textOf(header, kMagic).substr(0, 5) != "ustar" ||
            octalOf(header, kChecksum) != checksumOf(header)) {
            throw ArchiveError("it is not a tar archive of the ustar form");
        }
        Entry entry;
        const std::string_view prefix = textOf(header, kPrefix);
        entry.name = prefix.empty()
                         ? std::string(textOf(header, kName))
                         : std::string(prefix) + "/" + std::string(textOf(header, kName));
        entry.modified = static_cast<std::time_t>(octalOf(header, kMtime));
        const char type = header[kType.offset];
        const unsigned long long size = octalOf(header, kSize);
        at += kBlock;
        if (type == '5') {
            entry.folder = true;
        } else if (type != '0' && type != '\0') {
            throw ArchiveError("it holds " + entry.name +
                               ", which is not a plain file or folder (a link, say)");
        } else {
            if (size > all.size() - at) {
                throw ArchiveError("it is cut short in " + entry.name);
            }
            entry.bytes = all.substr(at, size);
            at += (size + kBlock - 1) / kBlock * kBlock;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace targz
