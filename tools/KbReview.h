#pragma once

#include "engine/LineFiles.h"
#include "engine/LineList.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Goes through the lines the program learned that still wait for their first reply, newest first:
// lists them, or asks for each what to do. A reply is attached as the program's own learning
// attaches one, so the line answers from then on; "-" deletes the line; an empty answer skips it;
// "q" stops. Each change is saved at once, under the base's lock, against the file as it stands
// then: a line the program moved or changed meanwhile is found again by its text, or left alone.
class KbReview {
public:
    explicit KbReview(LineFiles files) : files_(std::move(files)) {}

    // The main lines whose separator is their last character, newest (last) first.
    static std::vector<int> waitingLines(const LineList& words);

    // "<line index>: <pattern>" a line, in UTF-8.
    void list(std::ostream& out) const;
    // Reads the answers from `in`, one a line in UTF-8, and says what became of each on `out`.
    void ask(std::istream& in, std::ostream& out) const;

private:
    enum class Outcome { Done, Gone, HasBranches };
    Outcome answer(const std::string& waiting, int LineIndex, const std::string& reply) const;
    Outcome remove(const std::string& waiting, int LineIndex) const;
    static int locate(const LineList& words, const std::string& waiting, int LineIndex);

    LineFiles files_;
};
