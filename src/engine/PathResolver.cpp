#include "engine/PathResolver.h"

#include "engine/Cp1251.h"

#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitParts(std::string_view name) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = name.find_first_of("\\/", start);
        const std::string_view part = name.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return parts;
}

bool hasDriveLetter(std::string_view name) {
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// The entry of dir whose name equals part: the exact name when it exists, else the first entry
// equal without regard to letter case, else the part as written (for a file yet to be made).
fs::path matchPart(const fs::path& dir, const std::string& part) {
    const fs::path exact = dir / cp1251::toUtf8(part);
    std::error_code error;
    if (fs::exists(exact, error)) {
        return exact;
    }
    const std::string wanted = cp1251::upper(part);
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = cp1251::fromUtf8(it->path().filename().string());
        if (cp1251::upper(entry) == wanted) {
            return it->path();
        }
    }
    return exact;
}

// The folder above. The step is taken on the path as written, as for the names, once the path is
// made whole: absolute, without "." or ".." inside and without a final separator, so that ".."
// from "/a/b/" is "/a" and from "." the folder above the current one. The root is its own parent.
fs::path folderAbove(const fs::path& path) {
    std::error_code error;
    fs::path whole = fs::absolute(path, error).lexically_normal();
    if (error) {
        return path.parent_path();
    }
    if (!whole.has_filename()) {
        whole = whole.parent_path();
    }
    return whole.parent_path();
}

} // namespace

fs::path PathResolver::resolve(const std::string& name) const {
    std::string_view rest = name;
    fs::path path = folder_;
    if (!rest.empty() && rest.front() == '/') {
        path = "/";
    } else if (hasDriveLetter(rest)) {
        rest.remove_prefix(2);
    }
    for (const std::string& part : splitParts(rest)) {
        path = part == ".." ? folderAbove(path) : matchPart(path, part);
    }
    return path;
}
