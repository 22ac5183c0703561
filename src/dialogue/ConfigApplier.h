#pragma once

#include "AppearanceTarget.h"
#include "ConfigFile.h"

#include <optional>
#include <string_view>

class PathResolver;

// FormCreate's steps 2 to 9: read "Config.ini" and apply it to the window. The window does step 1
// itself (load "Base\Words.Dat" into RE2; if that throws, none of this runs) and step 10 (install
// the key hook) only when this returned without throwing:
//
//   RE2.load(kbfiles::Words);                        // step 1
//   ConfigApplier::formCreate(folder, ConfigFile, *this); // steps 2..9, *this an AppearanceTarget
//   installAppMessage();                             // step 10
//
// The steps run in order, setting by setting; the first failure throws at once, so the settings
// before it stay applied and the ones after it are never touched:
//   FileError  "Cannot open file Config.ini"              (step 2; nothing applied)
//   ValueError "List index out of bounds (N)"             (a line the file lacks; N = line - 1)
//   ValueError "'<value>' is not a valid integer value"   (a colour or size)
// A style word that matches none of the four and an empty face name change nothing, silently.
class ConfigApplier {
public:
    // Step 2, then apply() (steps 3 to 9). `config` is the window's ConfigFile, kept for the
    // start-up shake; on a failed load it keeps its lines (none, at start).
    static void formCreate(const PathResolver& folder, ConfigFile& config,
                           AppearanceTarget& target);

    // Steps 3 to 9 from lines already loaded: lines 6, 7, 8, 11..16, 18..20, 22..24, 26, 27.
    static void apply(const ConfigFile& config, AppearanceTarget& target);

    // The style word of a value: upper-cased by the code page and compared with "[]",
    // "[FSITALIC]", "[FSBOLD]" and "[FSBOLD,FSITALIC]"; nothing when none is equal (blanks and the
    // order of the words count).
    static std::optional<FontStyle> styleWord(std::string_view value);
};
