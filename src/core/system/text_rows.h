#pragma once

#include "core/system/file_io.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace jukewright {

enum class LineEnds {
    // The system's own rule: CR LF or a lone CR end a row everywhere; on POSIX a lone LF does too.
    System,
    // CR LF, a lone CR or a lone LF end a row on every platform.
    Any,
};

// Splits text into rows the way a row-by-row reader sees them: no row after a final line end, and
// a text of zero bytes has no rows at all. The rows keep their bytes.
std::vector<std::string> splitRows(std::string_view text, LineEnds ends);

struct FileRows {
    std::vector<std::string> rows;
    std::error_code error;
};
FileRows readTextRows(std::string_view path, LineEnds ends);

} // namespace jukewright
