#pragma once

#include "LineList.h"
#include "PathResolver.h"

#include <string>
#include <string_view>

// Whole-file access to the line files of a program folder. A file is read in either form, RTF
// (it starts with "{\rtf") or plain text, and always written as RTF. A save replaces the file
// atomically, so a crash or a full disk mid-save leaves the old file or the new one, never half
// of one. Nothing is cached: every load reads the file as it stands now.
class LineFiles {
public:
    explicit LineFiles(PathResolver resolver) : resolver_(std::move(resolver)) {}

    // Throws FileError "Cannot open file <name>".
    LineList load(const std::string& name) const;
    // Throws FileError "Cannot create file <name>".
    void save(const std::string& name, const LineList& lines) const;

    static LineList parse(std::string_view bytes);

    const PathResolver& resolver() const { return resolver_; }

private:
    PathResolver resolver_;
};
