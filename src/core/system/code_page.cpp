#include "core/system/code_page.h"

#include <array>
#include <utf8.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace jukewright {

namespace {

// Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes map to the C1 controls.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

bool isValidUtf8(std::string_view bytes) {
    return utf8::is_valid(bytes.begin(), bytes.end());
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t code = (byte >= 0x80 && byte <= 0x9F) ? HighControls[byte - 0x80] : char32_t{byte};
        utf8::append(code, std::back_inserter(result));
    }
    return result;
}

std::string textFromFile(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

std::string toSystemCodePage(std::string_view utf8) {
#ifdef _WIN32
    if (utf8.empty())
        return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, result.data(), length, nullptr, nullptr);
    return result;
#else
    return std::string(utf8);
#endif
}

std::string fromSystemCodePage(std::string_view bytes) {
#ifdef _WIN32
    if (bytes.empty())
        return {};
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, result.data(), length, nullptr, nullptr);
    return result;
#else
    return std::string(bytes);
#endif
}

} // namespace jukewright
