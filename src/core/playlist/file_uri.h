#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// The local path a "file://" URI names, when its host is empty or "localhost": the rest of the URI
// with its percent escapes decoded to the bytes they stand for (UTF-8, as players write them).
// Anything else, a URI of another host included, gives nothing.
std::optional<std::string> localPathFromFileUri(std::string_view uri);

} // namespace jukewright
