#pragma once

#include <string>
#include <string_view>

// The version every program of the package reports, taken from the build.
class ProgramVersion {
public:
    // "0.1"
    static std::string number();
    // The first line of --version, as Debian's tools print it: "lorintal-kb (lorintal) 0.1".
    static std::string line(std::string_view program);
};
