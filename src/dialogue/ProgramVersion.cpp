#include "dialogue/ProgramVersion.h"

std::string ProgramVersion::number() {
    return LORINTAL_VERSION; // set by the build from the project's version
}

std::string ProgramVersion::line(std::string_view program) {
    return std::string(program) + " (lorintal) " + number();
}
