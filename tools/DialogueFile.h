#pragma once

#include <string>
#include <string_view>
#include <vector>

// A dialogue to teach the base from: plain text with one utterance a line and the speakers taking
// turns (UTF-8 or Windows-1251, told apart by whether the bytes are valid UTF-8), or the program's
// own conversation log, whose "USER:" and "CPU:" lines name the speakers. Text is Windows-1251.
class DialogueFile {
public:
    // One utterance and the one that answered it, as written (spaces around them trimmed).
    struct Pair {
        std::string phrase;
        std::string reply;
    };

    // Reads the file; throws FileError "Cannot open file <name>" when it cannot be read.
    static DialogueFile load(const std::string& path);
    static DialogueFile parse(std::string_view bytes);

    const std::vector<Pair>& pairs() const { return pairs_; }
    // Lines of the file, for the size of the job.
    int lineCount() const { return lineCount_; }
    bool isLog() const { return isLog_; }

private:
    void pairPlainLines(const std::vector<std::string>& lines);
    void pairLogLines(const std::vector<std::string>& lines);

    std::vector<Pair> pairs_;
    int lineCount_ = 0;
    bool isLog_ = false;
};
