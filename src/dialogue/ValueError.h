#pragma once

#include <stdexcept>
#include <string>

// A value the program cannot use: a line of a list that is not there, or a text that is not a
// whole number. Like FileError, the message is the one the user sees, in Windows-1251.
class ValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // "List index out of bounds (5)": the index is counted from 0.
    static ValueError listIndexOutOfBounds(int index) {
        return ValueError("List index out of bounds (" + std::to_string(index) + ")");
    }
    // "'12 ' is not a valid integer value": the text exactly as written, blanks included.
    static ValueError notValidInteger(const std::string& text) {
        return ValueError("'" + text + "' is not a valid integer value");
    }
};
