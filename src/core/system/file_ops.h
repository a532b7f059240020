#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace jukewright {

// Each returns the error that stopped it, or an empty code when it was done.

// Creates one folder; its parent must exist. An existing folder is no error.
std::error_code createFolder(std::string_view path);

// Copies a file, replacing a file of the same name at the target.
std::error_code copyFileReplacing(std::string_view source, std::string_view target);

// Writes the bytes to a temporary file beside the target and renames it over the target, so that
// a failure in the middle never leaves a half-written file where the old one was.
std::error_code replaceFileAtomically(std::string_view path, std::string_view bytes);

// The reason of a failure in the person's words.
std::string describeError(const std::error_code& error);

} // namespace jukewright
