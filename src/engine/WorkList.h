#pragma once

#include "engine/LineFiles.h"
#include "engine/LineList.h"
#include "engine/Random.h"

#include <string>

// The one list into which every handler loads the knowledge-base file it needs. It holds one file
// at a time; whoever needs a file loads it afresh, so a line learned by one turn is seen by the
// next and a file edited on disk is read as it stands.
class WorkList {
public:
    explicit WorkList(LineFiles files) : files_(std::move(files)) {}

    void load(const std::string& name) { lines_ = files_.load(name); }
    void save(const std::string& name) const { files_.save(name, lines_); }
    // Loads the file and gives the index of the patterns of the lines now held; null when the
    // file is too large to keep one.
    std::shared_ptr<const PatternIndex> loadIndexed(const std::string& name) {
        LineFiles::Indexed loaded = files_.loadIndexed(name);
        lines_ = std::move(loaded.lines);
        return std::move(loaded.index);
    }

    // Loads the file and draws one of its lines, line 0 included: the reply files' way of choosing.
    // An empty file gives empty text. Returns the index drawn.
    int loadAndPick(const std::string& name, Random& random, std::string& picked);

    LineList& lines() { return lines_; }
    const LineList& lines() const { return lines_; }
    const LineFiles& files() const { return files_; }

private:
    LineFiles files_;
    LineList lines_;
};
