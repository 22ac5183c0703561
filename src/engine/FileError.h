#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

// A file that cannot be read or written. The message is the one the user sees, naming the file as
// the program wrote it ("Base\W2.Dat"), not the path it was resolved to. Windows-1251 text.
//
// A file that opens but cannot be read whole (a damaged RTF document) is a file that cannot be
// opened to the user, as it is to the program; the byte where reading stopped goes with the error
// for the tools that look after the base.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static FileError cannotOpen(const std::string& name) {
        return FileError("Cannot open file " + name);
    }
    static FileError cannotCreate(const std::string& name) {
        return FileError("Cannot create file " + name);
    }
    static FileError damaged(const std::string& name, std::size_t offset) {
        FileError error = cannotOpen(name);
        error.damagedAt_ = offset;
        return error;
    }
    // Another copy of the program holds the base and did not let go in time.
    static FileError busy(const std::string& name) {
        return FileError("Cannot open file " + name +
                         ": the base is busy in another copy of the program");
    }

    std::optional<std::size_t> damagedAt() const { return damagedAt_; }

private:
    std::optional<std::size_t> damagedAt_;
};
