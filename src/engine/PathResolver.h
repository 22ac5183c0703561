#pragma once

#include <filesystem>
#include <string>

// Turns the Windows-style names the program uses ("Base\Words.Dat", "D:\Txt.Dat") into real paths.
// Backslash and slash both separate; relative names are taken from the program folder; each part is
// matched without regard to letter case against what exists (an exact match first), so the names
// the program was written with find the files whatever their case on disk. A drive letter is
// dropped, so copies started from one folder share "D:\..." files; a POSIX absolute path is used
// as given. Names are Windows-1251 text; paths on disk are UTF-8.
class PathResolver {
public:
    explicit PathResolver(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::filesystem::path resolve(const std::string& name) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};
