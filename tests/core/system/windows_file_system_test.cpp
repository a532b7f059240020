// What only Windows has: file attributes, drive letters, the ANSI code page, UNC paths, files held open.
#ifdef _WIN32

#include "core/system/code_page.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"
#include "support/fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
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

// Hidden and system entries are not seen, read-only and archive files are, and every query the
// system fails is false.
TEST(WindowsFileExistence, HiddenAndSystemEntriesAndFailingQueriesAreNotSeen) {
    test::TempFolder root;
    for (const char* file :
         {"Music/hidden.mp3", "Music/system.mp3", "Music/kept.mp3", "OnlyHidden/song.mp3", "HiddenFolder/x.mp3"})
        root.write(file, "x");
    setAttributes(root, "Music/hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes(root, "Music/system.mp3", FILE_ATTRIBUTE_SYSTEM);
    setAttributes(root, "Music/kept.mp3", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    setAttributes(root, "OnlyHidden/song.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes(root, "HiddenFolder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    const std::string r = root.str() + "\\", drive = missingDrive();
    ASSERT_FALSE(drive.empty());
    // path, FileExists, FolderExists
    const std::tuple<std::string, bool, bool> rows[] = {
        {r + "Music\\hidden.mp3", false, false},
        {r + "Music\\system.mp3", false, false},
        {r + "Music\\kept.mp3", true, true},
        {r + "Music\\*.mp3", true, true},
        {r + "Music\\s*.mp3", false, false},
        {r + "OnlyHidden\\", false, true}, // the folder's own "." entry
        {r + "OnlyHidden\\*.mp3", false, false},
        {r + "HiddenFolder", false, false},
        {r + "HiddenFolder\\x.mp3", true, true}, // a hidden folder on the way does not matter
        {r + "Music", false, true},
        {r + "Music/kept.mp3", true, true}, // either separator, as the system takes it
        {drive + "\\song.mp3", false, false},
        {drive + "\\*", false, false},
        {"C:\\a<b>.mp3", false, false},
        {"\\\\no-such-server\\share\\song.mp3", false, false},
        {"Music\xFF.mp3", false, false},
    };
    for (const auto& [path, file, folder] : rows) {
        EXPECT_EQ(FileExists(path), file) << path;
        EXPECT_EQ(FolderExists(path), folder) << path;
    }
    setAttributes(root, "Music/kept.mp3", FILE_ATTRIBUTE_NORMAL);
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

#endif
