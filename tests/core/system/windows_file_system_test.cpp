// What only Windows has: file attributes, drive letters, the ANSI code page, UNC paths.
#ifdef _WIN32

#include "core/playlist/playlist_import.h"
#include "core/steam/mod_folders.h"
#include "core/steam/steam_libraries.h"
#include "core/system/code_page.h"
#include "core/system/file_queries.h"
#include "core/system/file_io.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"
#include "support/fixtures.h"
#include "support/playlist_folder.h"
#include "support/steam_home.h"

#include <algorithm>
#include <cwctype>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <windows.h>

using namespace jukewright;
using ::testing::ElementsAre;

namespace {

void setAttributes(const test::TempFolder& root, const char* relative, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesW((root.path() / relative).c_str(), attributes)) << relative;
}

// A drive letter that names no drive on this machine.
std::string missingDrive() {
    const DWORD drives = GetLogicalDrives();
    for (int letter = 25; letter >= 0; --letter)
        if ((drives & (1u << letter)) == 0)
            return std::string(1, static_cast<char>('A' + letter)) + ":";
    return {};
}

} // namespace

TEST(WindowsFileExistence, HiddenAndSystemEntriesAreNotSeenReadOnlyAndArchiveFilesAre) {
    test::TempFolder root;
    for (const char* file : {"Music/hidden.mp3", "Music/system.mp3", "Music/kept.mp3", "OnlyHidden/song.mp3",
                             "HiddenFolder/x.mp3", "SystemFolder/x.mp3"})
        root.write(file, "x");
    setAttributes(root, "Music/hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes(root, "Music/system.mp3", FILE_ATTRIBUTE_SYSTEM);
    setAttributes(root, "Music/kept.mp3", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    setAttributes(root, "OnlyHidden/song.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes(root, "HiddenFolder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    setAttributes(root, "SystemFolder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);
    // path below the folder, FileExists, FolderExists
    const std::tuple<std::string, bool, bool> rows[] = {
        {"Music\\hidden.mp3", false, false},
        {"Music\\system.mp3", false, false},
        {"Music\\kept.mp3", true, true},
        {"Music\\*.mp3", true, true},
        {"Music\\s*.mp3", false, false},
        {"Music\\?idden.mp3", false, false},
        {"OnlyHidden\\", false, true}, // the folder's own "." entry
        {"OnlyHidden\\*.mp3", false, false},
        {"HiddenFolder", false, false},
        {"SystemFolder", false, false},
        {"HiddenFolder\\x.mp3", true, true}, // a hidden folder on the way does not matter
        {"Music", false, true},
        {"Music/kept.mp3", true, true}, // either separator, as the system takes it
    };
    for (const auto& [path, file, folder] : rows) {
        EXPECT_EQ(FileExists(root.str() + "\\" + path), file) << path;
        EXPECT_EQ(FolderExists(root.str() + "\\" + path), folder) << path;
    }
    setAttributes(root, "Music/kept.mp3", FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsFileExistence, EveryFailingQueryIsFalse) {
    const std::string drive = missingDrive();
    ASSERT_FALSE(drive.empty());
    for (const std::string& path : {drive + "\\song.mp3", drive + "\\", drive + "\\*", std::string("C:\\a<b>.mp3"),
                                    std::string("\\\\no-such-server\\share\\song.mp3"), std::string("Music\xFF.mp3")}) {
        EXPECT_FALSE(FileExists(path)) << path;
        EXPECT_FALSE(FolderExists(path)) << path;
    }
}

TEST(WindowsCodePage, NamesInTheAnsiCodePageRoundTripAndNameTheirFiles) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not Windows-1252";
    const std::string utf8 = "Caf\xC3\xA9 \xC3\x9F \xE2\x82\xAC \xC5\xA0";
    const std::string ansi = "Caf\xE9 \xDF \x80 \x8A";
    EXPECT_EQ(toSystemCodePage(utf8), ansi);
    EXPECT_EQ(fromSystemCodePage(ansi), utf8);
    EXPECT_EQ(fromSystemCodePage(toSystemCodePage(utf8)), utf8);
    test::TempFolder root;
    ASSERT_TRUE(CreateDirectoryW((root.path() / L"Caf\u00E9 \u20AC").c_str(), nullptr));
    ASSERT_NE(CreateFileW((root.path() / L"Caf\u00E9 \u20AC" / L"\u0160ta.mp3").c_str(), GENERIC_WRITE, 0, nullptr,
                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FileExists(root.str() + "\\Caf\xC3\xA9 \xE2\x82\xAC\\\xC5\xA0ta.mp3"));
    EXPECT_TRUE(FolderExists(root.str() + "\\Caf\xC3\xA9 \xE2\x82\xAC"));
}

TEST(WindowsTextRows, OnlyCarriageReturnsEndRowsInTheSystemsOwnRule) {
    const std::string text = "a\nb\r\nc\rd\n";
    EXPECT_THAT(splitRows(text, LineEnds::System), ElementsAre("a\nb", "c", "d\n"));
    EXPECT_THAT(splitRows(text, LineEnds::Any), ElementsAre("a", "b", "c", "d"));
}

TEST(WindowsFileOps, TheReadOnlyAttributeProtectsAFileAndHiddenOnesStayHidden) {
    test::TempFolder root;
    const std::string locked = root.write("locked.cfg", "mine\r\n");
    const std::string hidden = root.write("hidden.cfg", "old\r\n");
    setAttributes(root, "locked.cfg", FILE_ATTRIBUTE_READONLY);
    setAttributes(root, "hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(replaceFileAtomically(locked, "new\r\n"), make_error_code(FileError::ReadOnly));
    EXPECT_EQ(root.read("locked.cfg"), "mine\r\n");
    EXPECT_FALSE(replaceFileAtomically(hidden, "new\r\n"));
    EXPECT_EQ(root.read("hidden.cfg"), "new\r\n");
    EXPECT_TRUE(GetFileAttributesW((root.path() / "hidden.cfg").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.path()), {}), 2) << "no temporary is left";
    setAttributes(root, "locked.cfg", FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsFileOps, ACopyIsWritableCarriesItsTimeAndKnowsItsIdentity) {
    test::TempFolder root;
    const std::string source = root.write("song.mp3", "ID3 bytes");
    setAttributes(root, "song.mp3", FILE_ATTRIBUTE_READONLY);
    StagedCopy staged;
    ASSERT_FALSE(stageCopy(root.path() / "song.mp3", root.path() / "copy.mp3", staged));
    ASSERT_FALSE(commitCopy(staged));
    EXPECT_EQ(root.read("copy.mp3"), "ID3 bytes");
    const auto copied = regularFileStamp(root.path() / "copy.mp3", false);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied, regularFileStamp(root.path() / "song.mp3", true));
    EXPECT_EQ(copied->size, 9u);
    EXPECT_EQ(GetFileAttributesW((root.path() / "copy.mp3").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ASSERT_TRUE(CreateHardLinkW((root.path() / "link.mp3").c_str(), (root.path() / "song.mp3").c_str(), nullptr));
    const auto song = regularFileIdentity(root.path() / "song.mp3", true);
    ASSERT_TRUE(song);
    EXPECT_EQ(regularFileIdentity(root.path() / "link.mp3", true), song);
    EXPECT_NE(regularFileIdentity(root.path() / "copy.mp3", true), song);
    EXPECT_FALSE(regularFileIdentity(root.path(), true));
    setAttributes(root, "song.mp3", FILE_ATTRIBUTE_NORMAL);
}

// A copy in progress carries its source's old write time; only its change time tells its age.
TEST(WindowsFileOps, StrayTemporariesOfARunningSaveStayWhateverTheirWriteTime) {
    test::TempFolder root;
    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string own = "a.cfg.jukewright-" + pid + "-0123456789abcdef.tmp";
    const std::string oldName = "b.mp3.jukewright-" + pid + "-0123456789abcdef.tmp";
    root.write(own, "x");
    root.write(oldName, "x");
    root.write("c.cfg.jukewright-notapid.tmp", "x");
    // Written an hour ago.
    const HANDLE file = CreateFileW((root.path() / oldName).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= 3600ull * 10'000'000ull;
    const FILETIME hourAgo{time.LowPart, time.HighPart};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &hourAgo));
    CloseHandle(file);
    removeStrayTemporaries(root.path());
    EXPECT_TRUE(std::filesystem::exists(root.path() / own)) << "a running save keeps its file";
    EXPECT_TRUE(std::filesystem::exists(root.path() / oldName)) << "a copy in progress stays";
    EXPECT_TRUE(std::filesystem::exists(root.path() / "c.cfg.jukewright-notapid.tmp"));
}

TEST(WindowsFileOps, AFileAnotherProgramHoldsOpenAloneIsAnErrorNotAnEmptyFile) {
    test::TempFolder root;
    const std::string path = root.write("held.pls", "[playlist]\r\n");
    const HANDLE held = CreateFileW((root.path() / "held.pls").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileContent whileHeld = readFileBytes(path);
    EXPECT_EQ(whileHeld.error, std::errc::device_or_resource_busy);
    EXPECT_EQ(whileHeld.bytes, "");
    CloseHandle(held);
    const FileContent after = readFileBytes(path);
    EXPECT_FALSE(after.error);
    EXPECT_EQ(after.bytes, "[playlist]\r\n");
}

class WindowsPlaylistPaths : public ::testing::Test, protected test::PlaylistFolder {};

TEST_F(WindowsPlaylistPaths, DriveLetterEntriesAreAbsoluteAndUncEntriesAreJoinedToThePlaylistsFolder) {
    const std::string absolute = track("Music/one.mp3");
    track("Lists/server/share/two.mp3");
    importPlaylistCommand(
        *state, view,
        playlist("Lists/mix.pls", {"[playlist]", "File1=" + absolute, "File2=\\\\server\\share\\two.mp3",
                                   "File3=Z:\\nothing\\three.mp3", "File4=\\\\no-such-server\\share\\two.mp3"}));
    ASSERT_EQ(absolute.substr(1, 2), ":\\");
    // The system reads the doubled separator of a joined UNC entry as one.
    EXPECT_THAT(paths(), ElementsAre(absolute, root() + "/Lists\\\\\\server\\share\\two.mp3"));
}

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
