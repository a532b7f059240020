#pragma once

// What the two halves of the file reading and writing (POSIX, Windows) share with the common part.

#include "core/system/file_io.h"

#include <chrono>
#include <filesystem>
#include <string_view>

namespace jukewright::file_io_parts {

// Temporary files of a save older than this belong to no running save.
inline constexpr auto StrayAge = std::chrono::minutes(10);

int processId();
// "<name>.jukewright-<process>-<random>.tmp": the process id lets a later save tell whether the save
// that wrote it is still running.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);
// The process id in a temporary file's name, or -1 for any other name.
long temporaryOwner(std::string_view name);
// A folder made by root belongs to the owner of its parent (POSIX; nothing to do on Windows).
void handToParentOwner(const std::filesystem::path& folder);
// Appends what was read; past the limit the bytes are dropped and the error says why.
bool appendWithin(FileContent& content, const char* bytes, std::size_t count, std::size_t maxBytes);
// Reads the regular file at `native` into `content`, opened so that no other kind of file is read.
void readRegularFile(const std::filesystem::path& native, std::size_t maxBytes, FileContent& content);

} // namespace jukewright::file_io_parts
