#include "win32/kit/wide_text.h"

#include "core/system/native_path.h"

#include <windows.h>

namespace jukewright::win32 {

std::wstring wide(std::string_view utf8) {
    return widePath(utf8);
}

std::string utf8(std::wstring_view text) {
    return utf8FromWide(text);
}

std::string systemErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(buffer, length) : L"Error " + std::to_wstring(code);
    LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return utf8(text);
}

} // namespace jukewright::win32
