// Steam's folder as only Windows stores it: in the registry.
#ifdef _WIN32

#include "core/steam/mod_folders.h"
#include "core/steam/steam_libraries.h"
#include "core/system/native_path.h"
#include "support/steam_home.h"

#include <algorithm>
#include <cwctype>
#include <gtest/gtest.h>
#include <optional>
#include <windows.h>

using namespace jukewright;

namespace {

// Sets Steam's own registry value for the test and puts the value that was there back afterwards.
class SteamPathValue {
public:
    SteamPathValue() {
        RegCreateKeyExW(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
        DWORD size = 0;
        if (RegGetValueW(m_key, nullptr, L"SteamPath", RRF_RT_REG_SZ, nullptr, nullptr, &size) == ERROR_SUCCESS) {
            std::wstring old(size / sizeof(wchar_t), L'\0');
            RegGetValueW(m_key, nullptr, L"SteamPath", RRF_RT_REG_SZ, nullptr, old.data(), &size);
            old.resize(std::wcslen(old.c_str()));
            m_old = old;
        }
    }
    ~SteamPathValue() {
        if (m_old)
            set(*m_old);
        else
            RegDeleteValueW(m_key, L"SteamPath");
        RegCloseKey(m_key);
    }
    SteamPathValue(const SteamPathValue&) = delete;
    SteamPathValue& operator=(const SteamPathValue&) = delete;

    void set(const std::wstring& value) const {
        RegSetValueExW(m_key, L"SteamPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

private:
    static constexpr const wchar_t* Key = L"Software\\Valve\\Steam";
    HKEY m_key = nullptr;
    std::optional<std::wstring> m_old;
};

} // namespace

TEST(WindowsSteam, TheSteamFolderInTheRegistryIsSearchedFirstAndItsModsAreFound) {
    test::SteamHome steam;
    const std::string cstrike = steam.mod("Steam", "cstrike");
    // Steam stores its folder in lower case with "/" between the folders.
    std::wstring stored = widePath(steam.path("Steam"));
    std::replace(stored.begin(), stored.end(), L'\\', L'/');
    std::transform(stored.begin(), stored.end(), stored.begin(), [](wchar_t c) { return std::towlower(c); });
    SteamPathValue value;
    value.set(stored);

    const std::vector<std::string> folders = systemSteamFolders();
    ASSERT_FALSE(folders.empty());
    EXPECT_TRUE(std::filesystem::equivalent(widePath(folders.front()), widePath(steam.path("Steam"))))
        << folders.front();
    const InstalledMods found = findInstalledMods(folders);
    ASSERT_EQ(found.mods.size(), 1u);
    EXPECT_EQ(found.mods[0].name, "cstrike");
    EXPECT_TRUE(std::filesystem::equivalent(widePath(found.mods[0].folder), widePath(cstrike)));
}

#endif
