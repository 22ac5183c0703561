#include "engine/SaveLeftovers.h"

#include <algorithm>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMark = ".saving-";
constexpr std::size_t kRandomPart = 6;

bool isTemplateCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

namespace saveleftovers {

std::string templateFor(const fs::path& target) {
    return target.string() + std::string(kMark) + std::string(kRandomPart, 'X');
}

bool isLeftover(const std::string& fileName) {
    if (fileName.size() <= kMark.size() + kRandomPart) {
        return false;
    }
    const std::size_t mark = fileName.size() - kRandomPart - kMark.size();
    return std::string_view(fileName).substr(mark, kMark.size()) == kMark &&
           std::all_of(fileName.end() - kRandomPart, fileName.end(), isTemplateCharacter);
}

std::vector<fs::path> findIn(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (isLeftover(it->path().filename().string()) && it->is_regular_file(kindError)) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

void removeIn(const fs::path& folder) {
    for (const fs::path& leftover : findIn(folder)) {
        std::error_code ignored;
        fs::remove(leftover, ignored);
    }
}

} // namespace saveleftovers
