#pragma once

// What the two halves of the file questions (POSIX, Windows) give the common part.

#include <string>

namespace jukewright::file_query_parts {

enum class Admit { FilesOnly, FilesAndFolders };

// The system's directory query for the path (wildcards in the last component, hidden entries not
// seen); it may throw where the system cannot represent the name.
bool directoryQuery(const std::string& path, Admit admit);

} // namespace jukewright::file_query_parts
