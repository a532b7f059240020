#pragma once

#include <string>

namespace jukewright {

// Paths here are Windows path strings: "\" and "/" both split, "\" joins, and only "..\" steps up.
// They never touch the file system.

// The text after the last separator; "" when there is none.
std::string GetFilename(const std::string& s_filepath);
// The text before the last separator; "" when there is none.
std::string getPath(const std::string& s_filepath);
// One folder up: the text before the last separator that stands before the final character. A
// path with no such separator (a root, or a single name) is returned unchanged, so stepping above a
// root stays at the root.
std::string NavUp(const std::string& s_dirpath);
} // namespace jukewright
