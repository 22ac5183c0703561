#pragma once

#include "LineList.h"
#include "PathResolver.h"

#include <memory>
#include <string>
#include <string_view>

// Whole-file access to the line files of a program folder. A file is read in either form, RTF
// (it starts with "{\rtf") or plain text, and always written as RTF. A save replaces the file
// atomically, so a crash or a full disk mid-save leaves the old file or the new one, never half
// of one.
//
// Every load reads the whole file as it stands now. Only the parsing is spared: when what is read
// matches the fingerprint of what was last read or written at that path, the lines made from it
// then are handed out again. Copies of a LineFiles share that memory.
class LineFiles {
public:
    explicit LineFiles(PathResolver resolver);

    // Throws FileError "Cannot open file <name>".
    LineList load(const std::string& name) const;
    // Throws FileError "Cannot create file <name>".
    void save(const std::string& name, const LineList& lines) const;

    static LineList parse(std::string_view bytes);

    const PathResolver& resolver() const { return resolver_; }

private:
    struct Memory;

    PathResolver resolver_;
    std::shared_ptr<Memory> memory_;
};
