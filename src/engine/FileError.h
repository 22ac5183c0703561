#pragma once

#include <stdexcept>
#include <string>

// A file that cannot be read or written. The message is the one the user sees, naming the file as
// the program wrote it ("Base\W2.Dat"), not the path it was resolved to. Windows-1251 text.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static FileError cannotOpen(const std::string& name) {
        return FileError("Cannot open file " + name);
    }
    static FileError cannotCreate(const std::string& name) {
        return FileError("Cannot create file " + name);
    }
};
