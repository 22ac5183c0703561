#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The temporary files of a save: the new content is written beside the file as
// "<name>.saving-XXXXXX" and renamed over it. A save killed between the two leaves one behind.
namespace saveleftovers {

// The mkstemp template for a save of `target`.
std::string templateFor(const std::filesystem::path& target);

// Whether a file name is one a save made: "<name>.saving-" and six characters of mkstemp's.
bool isLeftover(const std::string& fileName);

// The leftovers in a folder, sorted; none when the folder cannot be read.
std::vector<std::filesystem::path> findIn(const std::filesystem::path& folder);

// Removes the leftovers in a folder, as far as it can.
void removeIn(const std::filesystem::path& folder);

} // namespace saveleftovers
