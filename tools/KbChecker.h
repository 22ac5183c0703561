#pragma once

#include "engine/LineFiles.h"
#include "engine/LineList.h"

#include <string>
#include <vector>

// Proves a program folder's knowledge base well-formed, or says where it is not: every finding
// names the file and the line index (0 is the header line of "Base\Words.Dat") and what is wrong,
// in terms of what the program will do with that line. Reads both storage forms.
class KbChecker {
public:
    struct Finding {
        std::string file; // as the program names it, e.g. "Base\Words.Dat"
        int line = -1;    // line index, or -1 for the file as a whole
        std::string what; // UTF-8
    };

    explicit KbChecker(const LineFiles& files) : files_(files) {}

    std::vector<Finding> check() const;

    // The main file alone, for the tests and for other tools.
    static std::vector<Finding> checkWords(const LineList& words);

private:
    void checkFilesExist(std::vector<Finding>& findings) const;
    void checkLineFiles(std::vector<Finding>& findings) const;
    void checkSaveLeftovers(std::vector<Finding>& findings) const;

    const LineFiles& files_;
};
