#pragma once

#include <unistd.h>

#include <exception>
#include <filesystem>
#include <iostream>

// What the command-line tools share at their edges.
namespace toolmain {

// Runs the tool; whatever the file system does (a folder that may not be entered, a link loop),
// it ends with one line naming the path and exit status 2, never with an uncaught exception.
template <typename Run> int reportingFailures(const char* tool, Run run) {
    try {
        return run();
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << tool << ": " << error.path1().string() << ": " << error.code().message()
                  << '\n';
    } catch (const std::exception& error) {
        std::cerr << tool << ": " << error.what() << '\n';
    }
    return 2;
}

// A program folder the tool can read and enter.
inline bool isReadableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder, error) &&
           ::access(folder.c_str(), R_OK | X_OK) == 0;
}

} // namespace toolmain
