#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary directory, removed with everything in it when the
// test is over. Files are written as raw bytes, so a test states exactly what is on disk.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a path relative to the folder, making the folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

private:
    std::filesystem::path path_;
};
