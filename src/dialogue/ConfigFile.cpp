#include "dialogue/ConfigFile.h"

#include "dialogue/ValueError.h"
#include "engine/Cp1251.h"
#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/PathResolver.h"

#include <filesystem>

namespace {

// The whole file, or nothing when it cannot be read as a regular file.

} // namespace

ConfigFile ConfigFile::parse(std::string_view bytes) {
    // A NUL ends the text, as it ends a string of the platform the file was made for.
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    return ConfigFile(LineList::fromText(bytes));
}

void ConfigFile::load(const PathResolver& folder) {
    const std::optional<std::string> bytes = filebytes::readRegular(folder.resolve(kName));
    if (!bytes) {
        throw FileError::cannotOpen(kName);
    }
    lines_ = parse(*bytes).lines_;
    shakeProblemReported_ = false;
}

std::string ConfigFile::value(int lineNumber) const {
    if (lines_.empty()) {
        return {};
    }
    const int index = lineNumber - 1;
    if (index < 0 || index >= lines_.count()) {
        throw ValueError::listIndexOutOfBounds(index);
    }
    const std::string& line = lines_.line(index);
    const std::size_t equals = line.find('=');
    return equals == std::string::npos ? line : line.substr(equals + 1);
}

ConfigFile::ShakeSwitch ConfigFile::readShakeSwitch() {
    ShakeSwitch result;
    try {
        result.off = cp1251::upper(value(kShakeLine)) == "NO";
    } catch (const ValueError& error) {
        // No line 2: the shake runs, and the user hears of the missing line once.
        if (!shakeProblemReported_) {
            shakeProblemReported_ = true;
            result.problemToReport = error.what();
        }
    }
    return result;
}
