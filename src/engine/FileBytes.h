#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole files as bytes, for the files the program reads apart from its line files: the settings,
// the sounds, the history, a dialogue to teach, the files of a snapshot.
namespace filebytes {

// The whole content of a regular file; nothing when the path is anything else or cannot be read.
// A named pipe or a device in its place is refused at once instead of waited on for ever.
std::optional<std::string> readRegular(const std::filesystem::path& path);

// Writes every byte, going on after an interruption; false when the file takes no more.
bool writeAll(int fd, std::string_view bytes);

} // namespace filebytes
