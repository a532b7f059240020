#pragma once

#include <string>

namespace jukewright {

// Answer like a directory query: the last component may hold the wildcards "*" and "?", a trailing
// separator stands for the folder's contents, hidden entries (on Windows those with the hidden or
// the system attribute, elsewhere a name starting with ".") are not seen, and every error, the empty
// path included, is simply false.
bool FileExists(std::string path);
// The same query, admitting folders as well as ordinary files.
bool FolderExists(std::string path);

} // namespace jukewright
