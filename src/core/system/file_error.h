#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace jukewright {

// Failures the operating system has no code for.
enum class FileError {
    NotRegularFile = 1, // a folder, a fifo or a device where a file should be
    ReadOnly,           // the person cleared the file's write bit (set its read-only attribute) to protect it
    NotFolder,          // a file where a folder should be
};
const std::error_category& fileErrorCategory();
std::error_code make_error_code(FileError error);

} // namespace jukewright

template <> struct std::is_error_code_enum<jukewright::FileError> : std::true_type {};

namespace jukewright {

// No file can be opened by a longer path: the system refuses it before looking.
#ifdef _WIN32
inline constexpr std::size_t LongestPathBytes = 3 * 32767;
#else
inline constexpr std::size_t LongestPathBytes = 4096;
#endif

#ifdef _WIN32
// A Windows error code (GetLastError) as the usual error number where there is one.
std::error_code windowsErrorCode(unsigned long code);
#endif

// The reason of a failure in the person's words.
std::string describeError(const std::error_code& error);

} // namespace jukewright
