#pragma once

#include "Appearance.h"
#include "ConfigFile.h"

#include <optional>
#include <string_view>

class PathResolver;

// FormCreate's steps 2 to 9: read "Config.ini" into the appearance the window takes. The window
// does step 1 itself (load "Base\Words.Dat" into RE2; if that throws, none of this runs), applies
// what was read, also when reading failed, and does step 10 (install the key hook) only when this
// returned without throwing:
//
//   RE2.load(kbfiles::Words);                                 // step 1
//   Appearance read;
//   try { ConfigApplier::formCreate(folder, ConfigFile, read); } // steps 2..9
//   catch (...) { apply(read); throw; }
//   apply(read); installAppMessage();                         // step 10
//
// The steps run in order, setting by setting; the first failure throws at once, so `read` holds
// the settings before it and none after it:
//   FileError  "Cannot open file Config.ini"              (step 2; nothing applied)
//   ValueError "List index out of bounds (N)"             (a line the file lacks; N = line - 1)
//   ValueError "'<value>' is not a valid integer value"   (a colour or size)
// A style word that matches none of the four and an empty face name change nothing, silently.
class ConfigApplier {
public:
    // Step 2, then apply() (steps 3 to 9). `config` is the window's ConfigFile, kept for the
    // start-up shake; on a failed load it keeps its lines (none, at start).
    static void formCreate(const PathResolver& folder, ConfigFile& config, Appearance& read);

    // Steps 3 to 9 from lines already loaded: lines 6, 7, 8, 11..16, 18..20, 22..24, 26, 27.
    // Colours come decoded (direct or system colour); an empty face name and a value that is none
    // of the four style words set nothing; a size is the whole number as written (it may be 0 or
    // negative: the font stores keep their size for one that cannot be drawn).
    static void apply(const ConfigFile& config, Appearance& read);

    // The style word of a value: upper-cased by the code page and compared with "[]",
    // "[FSITALIC]", "[FSBOLD]" and "[FSBOLD,FSITALIC]"; nothing when none is equal (blanks and the
    // order of the words count).
    static std::optional<FontStyle> styleWord(std::string_view value);
};
