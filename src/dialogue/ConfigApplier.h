#pragma once

#include "dialogue/Appearance.h"
#include "dialogue/ConfigFile.h"

#include <optional>
#include <string_view>

class PathResolver;

// Reads "Config.ini" into the appearance the window takes at start: the backgrounds, the button
// captions, the colours of the lines and of the input text, and the three fonts.
//
// Settings are read in the order of the file, one by one, and the first that fails throws at
// once, so `read` holds every setting before the failure and none after it. The window applies
// what was read either way, so a file broken half-way still gives its first half:
//   FileError  "Cannot open file Config.ini"              (nothing read)
//   ValueError "List index out of bounds (N)"             (a line the file lacks; N = line - 1)
//   ValueError "'<value>' is not a valid integer value"   (a colour or size)
// A style word that matches none of the four and an empty face name change nothing, silently.
class ConfigApplier {
public:
    // Loads the file, then reads it. `config` is the window's ConfigFile, kept for the start-up
    // shake; on a failed load it keeps its lines (none, at start).
    static void formCreate(const PathResolver& folder, ConfigFile& config, Appearance& read);

    // Reads the settings from lines already loaded: lines 6, 7, 8, 11..16, 18..20, 22..24, 26, 27.
    // Colours come decoded (direct or system colour); an empty face name and a value that is none
    // of the four style words set nothing; a size is the whole number as written (it may be 0 or
    // negative: the font stores keep their size for one that cannot be drawn).
    static void apply(const ConfigFile& config, Appearance& read);

    // The style word of a value: upper-cased by the code page and compared with "[]",
    // "[FSITALIC]", "[FSBOLD]" and "[FSBOLD,FSITALIC]"; nothing when none is equal (blanks and the
    // order of the words count).
    static std::optional<FontStyle> styleWord(std::string_view value);
};
