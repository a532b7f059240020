#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// Plain questions about the file system, for finding installed games. Unlike FileExists and
// FolderExists they take every name as it is (no wildcards, hidden names seen) and never touch the
// separators of the text; every error answers false or empty.

bool isFolder(std::string_view path);
bool isFile(std::string_view path);

// The absolute path with every link resolved, or empty when the path does not exist.
std::string canonicalPath(std::string_view path);

// The path of the entry of the folder whose name matches, ignoring ASCII case (an exact match
// first), or empty. Older Steam installations write "SteamApps", newer ones "steamapps".
std::string entryAnyCase(std::string_view folder, std::string_view name);

// The names of the folder's subfolders, sorted; empty when it cannot be read.
std::vector<std::string> subfolderNames(std::string_view folder);

// The folder and a name joined with the system's separator.
std::string joinPath(std::string_view folder, std::string_view name);

} // namespace jukewright
