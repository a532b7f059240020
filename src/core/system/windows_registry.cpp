#ifdef _WIN32

#include "core/system/windows_registry.h"

#include "core/system/native_path.h"

#include <cwchar>
#include <windows.h>

namespace jukewright {

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
    return utf8FromWide(value);
}

} // namespace jukewright

#endif
