#pragma once

#include "engine/BaseLock.h"
#include "engine/LineList.h"
#include "engine/PathResolver.h"
#include "engine/PatternIndex.h"

#include <chrono>
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

    // Throws FileError "Cannot open file <name>": also for anything but a regular file, and for
    // an RTF document that cannot be read whole (the error then tells the byte where reading
    // stopped).
    LineList load(const std::string& name) const;

    struct Indexed {
        LineList lines;
        // Null for a file too large to keep its lines between loads.
        std::shared_ptr<const PatternIndex> index;
    };
    // As load, with the index of the lines' patterns. The index is kept with the lines and made
    // anew only when the file has changed, so that asking again costs nothing.
    Indexed loadIndexed(const std::string& name) const;
    // Throws FileError "Cannot create file <name>": also when the file is marked read-only, or is
    // a link that leads nowhere. A link to a file is saved through: the file it leads to is
    // replaced and the link stays.
    void save(const std::string& name, const LineList& lines) const;

    // Holds the base of the folder for a read-modify-write (see BaseLock). Throws FileError naming
    // `busyName` when another copy holds it longer than the patience.
    BaseLock lockBase(const std::string& busyName) const {
        return BaseLock(resolver_, busyName, lockPatience_);
    }
    void setLockPatience(std::chrono::milliseconds patience) { lockPatience_ = patience; }

    static LineList parse(std::string_view bytes);

    const PathResolver& resolver() const { return resolver_; }

private:
    struct Memory;
    struct KnownFile;

    KnownFile* loadKnown(const std::string& name, LineList& lines) const;

    PathResolver resolver_;
    std::shared_ptr<Memory> memory_;
    std::chrono::milliseconds lockPatience_ = BaseLock::kPatience;
};
