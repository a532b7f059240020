// What only Windows has: file attributes, drive letters, the ANSI code page, UNC paths, files held open.
#ifdef _WIN32

#include "core/system/code_page.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"
#include "support/fixtures.h"

#include <chrono>
#include <gmock/gmock.h>
#include <tuple>
#include <windows.h>

using namespace jukewright;
using ::testing::ElementsAre;

namespace {

// Files in a temporary folder; the attributes set on them are cleared again so the folder can go.
class WindowsFiles : public ::testing::Test {
protected:
    void setAttributes(const char* relative, DWORD attributes) {
        ASSERT_TRUE(SetFileAttributesW((root.path() / relative).c_str(), attributes)) << relative;
        set.push_back(relative);
    }
    void TearDown() override {
        for (const char* relative : set)
            SetFileAttributesW((root.path() / relative).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    test::TempFolder root;
    std::vector<const char*> set;
};

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
TEST_F(WindowsFiles, HiddenAndSystemEntriesAndFailingQueriesAreNotSeen) {
    for (const char* file :
         {"Music/hidden.mp3", "Music/system.mp3", "Music/kept.mp3", "OnlyHidden/song.mp3", "HiddenFolder/x.mp3"})
        root.write(file, "x");
    setAttributes("Music/hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes("Music/system.mp3", FILE_ATTRIBUTE_SYSTEM);
    setAttributes("Music/kept.mp3", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    setAttributes("OnlyHidden/song.mp3", FILE_ATTRIBUTE_HIDDEN);
    setAttributes("HiddenFolder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
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
}

TEST_F(WindowsFiles, NamesInTheAnsiCodePageRoundTripAndNameTheirFiles) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not Windows-1252";
    const std::string utf8 = "Caf\xC3\xA9 \xC3\x9F \xE2\x82\xAC \xC5\xA0";
    const std::string ansi = "Caf\xE9 \xDF \x80 \x8A";
    EXPECT_EQ(toSystemCodePage(utf8), ansi);
    EXPECT_EQ(fromSystemCodePage(ansi), utf8);
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

TEST_F(WindowsFiles, TheReadOnlyAttributeProtectsAFileButNotItsCopyAndHiddenOnesStayHidden) {
    const std::string locked = root.write("locked.cfg", "mine\r\n");
    const std::string hidden = root.write("hidden.cfg", "old\r\n");
    setAttributes("locked.cfg", FILE_ATTRIBUTE_READONLY);
    setAttributes("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(replaceFileAtomically(locked, "new\r\n"), make_error_code(FileError::ReadOnly));
    EXPECT_EQ(root.read("locked.cfg"), "mine\r\n");
    EXPECT_FALSE(replaceFileAtomically(hidden, "new\r\n"));
    EXPECT_EQ(root.read("hidden.cfg"), "new\r\n");
    EXPECT_TRUE(GetFileAttributesW((root.path() / "hidden.cfg").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.path()), {}), 2) << "no temporary is left";

    // A copy of a read-only file is writable, carries its time and knows its identity.
    root.write("song.mp3", "ID3 bytes");
    setAttributes("song.mp3", FILE_ATTRIBUTE_READONLY);
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
}

// A copy in progress carries its source's old write time; only its change time tells its age.
TEST_F(WindowsFiles, StrayTemporariesOfARunningSaveStayWhateverTheirWriteTime) {
    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string oldName = "b.mp3.jukewright-" + pid + "-0123456789abcdef.tmp";
    for (const std::string& name :
         {"a.cfg.jukewright-" + pid + "-0123456789abcdef.tmp", oldName, std::string("c.cfg.jukewright-notapid.tmp")})
        root.write(name, "x");
    std::filesystem::last_write_time(root.path() / oldName,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    removeStrayTemporaries(root.path());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.path()), {}), 3) << "every one stays";
}

TEST_F(WindowsFiles, AFileAnotherProgramHoldsOpenAloneIsAnErrorNotAnEmptyFile) {
    const std::string path = root.write("held.pls", "[playlist]\r\n");
    const HANDLE held = CreateFileW((root.path() / "held.pls").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileContent whileHeld = readFileBytes(path);
    CloseHandle(held);
    EXPECT_EQ(std::tuple(whileHeld.error, whileHeld.bytes),
              std::tuple(make_error_code(std::errc::device_or_resource_busy), ""));
    EXPECT_EQ(readFileBytes(path).bytes, "[playlist]\r\n");
}

#endif
