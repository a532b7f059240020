#ifdef _WIN32

#include "core/system/windows_registry.h"

#include <cwchar>
#include <windows.h>

namespace jukewright {

namespace {

std::string utf8From(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

std::string registryText(RegistryRoot root, const wchar_t* key, const wchar_t* name) {
    const HKEY hive = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    DWORD size = 0;
    if (RegGetValueW(hive, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return {};
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(hive, key, name, RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS)
        return {};
    // The size counts the final null character.
    value.resize(std::wcslen(value.c_str()));
    return utf8From(value);
}

} // namespace jukewright

#endif
