#pragma once

#include <string>
#include <string_view>

namespace jukewright::win32 {

// The program's UTF-8 text as the wide-character calls take it, and back. Text that is not valid UTF-8
// gives an empty string.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

// The system's own wording of an error code (GetLastError, or an HRESULT), without the line end.
std::string systemErrorText(unsigned long code);

} // namespace jukewright::win32
