#include "core/settings/settings_store.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using namespace jukewright;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

namespace {

constexpr std::size_t FullSize = 1'536'896;
constexpr std::size_t LanguageAt = 1'535'872;
constexpr std::size_t FlagAt = 1'536'000;
constexpr std::size_t Mp3VolumeAt = 1'536'512;
constexpr std::size_t GameVolumeAt = 1'536'640;
constexpr std::size_t MarkerAt = 1'536'768;

class RecordingBox : public ModFolderBox {
public:
    void appendModFolderRow(const std::string& folder) override { rows.push_back(folder); }
    std::vector<std::string> rows;
};

std::string le16(int value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

// Puts the bytes at the offset of a file image, growing it with zeros as a write past the end does.
void put(std::string& file, std::size_t offset, std::string_view bytes) {
    if (file.size() < offset + bytes.size())
        file.resize(offset + bytes.size(), '\0');
    file.replace(offset, bytes.size(), bytes);
}

// A file as one start-up leaves it, with the folders stored in records 2 onward.
std::string initialisedFile(const std::vector<std::string>& folders = {}) {
    std::string file(FullSize, '\0');
    put(file, 0, le16(static_cast<int>(folders.size())));
    for (std::size_t i = 0; i < folders.size(); ++i)
        put(file, 128 * (i + 1), le16(static_cast<int>(folders[i].size())) + folders[i]);
    put(file, Mp3VolumeAt, le16(80));
    put(file, GameVolumeAt, le16(80));
    put(file, MarkerAt, le16(1));
    return file;
}

class SettingsFile : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.file("settings.jst");
    test::RecordingMessages messages;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingBox box;

    std::string bytes() const { return test::readBytes(path); }

    // The two start-up passes of one run, with a fresh state.
    SettingsStore startRun() {
        state = std::make_unique<AppState>();
        box = {};
        SettingsStore store(path, messages);
        store.InitSettingsFile();
        store.LoadSettings(*state, box);
        return store;
    }

    void remember(std::vector<std::string> folders) {
        state->ModFolderCount = static_cast<std::int16_t>(folders.size());
        for (std::size_t i = 0; i < folders.size(); ++i)
            state->ModFolders[i] = folders[i];
    }
};

} // namespace

TEST_F(SettingsFile, FirstStartWritesTheDefaultsAndLoadsThem) {
    startRun();
    EXPECT_EQ(bytes(), initialisedFile());
    EXPECT_EQ(state->ModFolderCount, 0);
    EXPECT_EQ(state->Language, 0);
    EXPECT_EQ(state->FreeTrackOffered, 0);
    EXPECT_EQ(state->Mp3Volume, 80);
    EXPECT_EQ(state->GameVolume, 80);
    EXPECT_THAT(box.rows, IsEmpty());
    EXPECT_THAT(messages.messages, IsEmpty());

    startRun();
    EXPECT_EQ(bytes().size(), FullSize) << "a second start keeps the size";
}

TEST_F(SettingsFile, FoldersRoundTripThroughTheirRecordsInOrder) {
    // The last fills its record with bytes that are not UTF-8: it must come back byte for byte, not
    // grow past its record and be lost at the next shutdown.
    const std::vector<std::string> stored = {"/games/hl/cstrike", "C:\\Sierra\\Half-Life\\valve",
                                             "/home/p/J\xC3\xBCrgen's games/dod", "/" + std::string(125, '\xE9')};
#ifdef _WIN32
    // The records hold the ANSI code page (Windows-1252 by default), the program UTF-8.
    std::vector<std::string> folders = stored;
    folders[2] = "/home/p/J\xC3\x83\xC2\xBCrgen's games/dod";
    folders[3] = "/";
    for (int i = 0; i < 125; ++i)
        folders[3] += "\xC3\xA9";
#else
    const std::vector<std::string> folders = stored;
#endif
    test::writeBytes(path, initialisedFile(stored));
    SettingsStore store = startRun();
    EXPECT_EQ(state->ModFolderCount, 4);
    EXPECT_THAT(std::vector(state->ModFolders.begin(), state->ModFolders.begin() + 4), ::testing::ContainerEq(folders));
    EXPECT_EQ(box.rows, folders);
    EXPECT_TRUE(store.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), initialisedFile(stored));
}

TEST_F(SettingsFile, FolderOverItsRecordIsNotStoredAndNeverSpills) {
    const std::string fits(126, 'f');
    const std::string tooLong = "/" + std::string(126, 'x');
    SettingsStore store = startRun();
    remember({"/a", tooLong, fits, "/b"});
    EXPECT_TRUE(store.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), initialisedFile({"/a", fits, "/b"}));
    EXPECT_EQ(bytes().substr(256, 128), le16(126) + fits) << "126 bytes fill the record whole";
    EXPECT_THAT(messages.messages, IsEmpty());
}

// A damaged or short file of ours loads what it holds whole, with what is out of range left out, and
// keeps its bytes: a short one only grows to the full size with the defaults past its end.
TEST_F(SettingsFile, DamagedFileLoadsWhatItHoldsWholeAndKeepsItsBytes) {
    std::vector<std::string> stored;
    for (int i = 0; i < 101; ++i)
        stored.push_back("/mods/m" + std::to_string(i));
    const auto first = [&](std::size_t n) { return std::vector(stored.begin(), stored.begin() + std::ptrdiff_t(n)); };
    const auto withCount = [&](int count) {
        std::string file = initialisedFile(stored);
        put(file, 0, le16(count));
        return file;
    };
    const auto withRecord3 = [](std::string record) {
        std::string file = initialisedFile({"/one", "/two", "/three"});
        put(file, 256, record);
        return file;
    };
    const auto withVolumes = [](int volume) {
        std::string file = initialisedFile();
        put(file, Mp3VolumeAt, le16(volume));
        put(file, GameVolumeAt, le16(volume));
        return file;
    };
    const auto withMarker = [](std::string marker) {
        std::string file(FullSize, '\0');
        put(file, MarkerAt, marker);
        return file;
    };
    std::string letters(200, '\0');
    for (std::size_t i = 2; i < letters.size(); ++i)
        letters[i] = static_cast<char>('a' + i % 26);
    std::string cutInRecord = le16(3);
    put(cutInRecord, 128, le16(4) + "/one");
    put(cutInRecord, 256, le16(10) + "/tw");
    std::string cutShort = le16(99);
    put(cutShort, 128, le16(4) + "/one");
    const std::vector<std::string> oneAndThree = {"/one", "/three"};
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> rows;
        int volume = 80;       // -1: not looked at
        bool readOnly = false; // so that start-up cannot grow it
    };
    const Case cases[] = {
        {"count -1", withCount(-1), {}},
        {"count 500", withCount(500), first(100)},
        {"count 100", withCount(100), first(100)},
        {"count 101", withCount(101), first(100)},
        {"count 0", withCount(0), {}},
        {"count 3", withCount(3), first(3)},
        {"record length 65535", withRecord3(le16(65535) + "/two"), oneAndThree},
        {"record length 127", withRecord3(le16(127) + std::string(126, 'x')), oneAndThree},
        {"record with a NUL byte", withRecord3(le16(4) + std::string("/t\0o", 4)), oneAndThree},
        {"empty record", withRecord3(le16(0)), oneAndThree},
        {"volume 500", withVolumes(500), {}, 80},
        {"volume -1", withVolumes(-1), {}, 80},
        {"volume 101", withVolumes(101), {}, 80},
        {"volume 100", withVolumes(100), {}, 100},
        {"volume 0", withVolumes(0), {}, 0},
        {"volume 33", withVolumes(33), {}, 33},
        // Any marker but zero keeps the stored volumes, zeros here.
        {"marker 1", withMarker(le16(1)), {}, 0},
        {"marker 2", withMarker(le16(2)), {}, 0},
        {"marker 256", withMarker(std::string("\0\x01", 2)), {}, 0},
        {"marker -1", withMarker(le16(-1)), {}, 0},
        {"short file", letters, {}},
        {"cut inside a record", cutInRecord, {"/one"}, -1, true},
        {"cut short", cutShort, {"/one"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(path);
        test::writeBytes(path, c.file);
        if (c.readOnly)
            fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
        startRun();
        EXPECT_EQ(box.rows, c.rows);
        EXPECT_EQ(state->ModFolderCount, static_cast<int>(c.rows.size()));
        if (c.volume >= 0) {
            EXPECT_EQ(state->Mp3Volume, c.volume);
            EXPECT_EQ(state->GameVolume, c.volume);
        }
        std::string after = initialisedFile();
        put(after, 0, c.file);
        EXPECT_EQ(bytes(), c.readOnly ? c.file : after);
    }
}

// Another program's file at the settings path (here behind a link) is never loaded nor written.
TEST_F(SettingsFile, AFileThatHoldsNoSettingsOfOursIsLeftAloneWithOneMessage) {
    std::string fullWithoutMarker = initialisedFile({"/one"});
    put(fullWithoutMarker, 0, le16(5000));
    put(fullWithoutMarker, MarkerAt, le16(0));
    const std::pair<const char*, std::string> cases[] = {
        {"photo", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) + std::string(3000, '\x7F')},
        {"notes", "rcon_password hunter2\nbuy milk\n"},
        {"one byte", "x"},
        {"count of 101", le16(101) + le16(4) + "/one"},
        {"count below 0", le16(-1) + le16(4) + "/one"},
        {"full size, no marker", fullWithoutMarker},
    };
    for (const auto& [what, content] : cases) {
        SCOPED_TRACE(what);
        messages.messages.clear();
        const std::string notes = folder.write(std::string("elsewhere/") + what, content);
        fs::remove(path);
        test::placePlayersFile(test::utf8Path(notes), test::utf8Path(path));
        SettingsStore store = startRun();
        EXPECT_FALSE(store.canStore());
        EXPECT_THAT(box.rows, IsEmpty());
        EXPECT_EQ(state->Mp3Volume, 80);
        remember({"/games/valve"});
        EXPECT_FALSE(store.SaveVolumeSettings(*state));
        EXPECT_FALSE(store.SaveExitSettings(*state));
        EXPECT_EQ(test::readBytes(test::utf8Path(notes)), content);
        EXPECT_EQ(test::readBytes(test::utf8Path(path)), content);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_THAT(messages.messages[0].text, HasSubstr(path));
        EXPECT_THAT(messages.messages[0].text, HasSubstr("leaves this file alone"));
    }
}

TEST_F(SettingsFile, ShutdownStoresLanguageFlagAndFoldersAndOnlyThose) {
    SettingsStore store = startRun();
    state->Language = 2;
    state->FreeTrackOffered = 1;
    state->Mp3Volume = 10; // volumes reach the file only through the options dialog
    remember({"/games/cstrike"});
    EXPECT_TRUE(store.SaveExitSettings(*state));
    std::string expected = initialisedFile({"/games/cstrike"});
    put(expected, LanguageAt, le16(2));
    put(expected, FlagAt, le16(1));
    EXPECT_EQ(bytes(), expected);

    startRun();
    EXPECT_EQ(state->Language, 2);
    EXPECT_EQ(state->FreeTrackOffered, 1);
    EXPECT_THAT(box.rows, ElementsAre("/games/cstrike"));
}

TEST_F(SettingsFile, ApplyStoresBothVolumesAtOnce) {
    SettingsStore store = startRun();
    state->Mp3Volume = 35;
    state->GameVolume = 90;
    EXPECT_TRUE(store.SaveVolumeSettings(*state));
    EXPECT_EQ(bytes().substr(Mp3VolumeAt, 128), le16(35) + std::string(126, '\0'));
    EXPECT_EQ(bytes().substr(GameVolumeAt, 128), le16(90) + std::string(126, '\0'));
    EXPECT_EQ(bytes().size(), FullSize);
}

TEST_F(SettingsFile, FileRemovedDuringTheRunIsCreatedWithDefaultsBeforeTheSettings) {
    SettingsStore store = startRun();
    fs::remove(path);
    remember({"/games/dod"});
    EXPECT_TRUE(store.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), initialisedFile({"/games/dod"}));
}

TEST_F(SettingsFile, ReadOnlyFileIsReadButNeverWrittenWithOneMessage) {
    std::string file = initialisedFile({"/games/tfc"});
    put(file, LanguageAt, le16(2));
    test::writeBytes(path, file);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    SettingsStore store = startRun();
    EXPECT_FALSE(store.canStore());
    EXPECT_THAT(box.rows, ElementsAre("/games/tfc"));
    EXPECT_EQ(state->Language, 2);
    state->Mp3Volume = 20;
    remember({"/games/tfc", "/games/valve"});
    EXPECT_FALSE(store.SaveVolumeSettings(*state));
    EXPECT_FALSE(store.SaveExitSettings(*state));

    EXPECT_EQ(bytes(), file);
    ASSERT_EQ(messages.messages.size(), 1u) << "told once, at start-up";
    EXPECT_THAT(messages.messages[0].text, HasSubstr(path));
    EXPECT_THAT(messages.messages[0].text, HasSubstr("read-only"));
    EXPECT_EQ(messages.messages[0].title, "Jukewright");
}

TEST_F(SettingsFile, UnreadableFileStartsWithDefaultsAndIsNeverWritten) {
    fs::create_directory(path); // something that is not a file stands where the settings belong
    SettingsStore store = startRun();
    EXPECT_EQ(state->Mp3Volume, 80);
    EXPECT_EQ(state->Language, 0);
    remember({"/games/valve"});
    EXPECT_FALSE(store.SaveExitSettings(*state));
    EXPECT_TRUE(fs::is_directory(path));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr("not a regular file"));
}

TEST_F(SettingsFile, ShutdownThatCannotWriteSaysSo) {
    SettingsStore store = startRun();
    fs::remove(path);
    fs::create_directory(path); // the file was replaced by a folder during the run
    remember({"/games/dmc"});
    EXPECT_FALSE(store.SaveExitSettings(*state));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr(path));
    EXPECT_THAT(messages.messages[0].text, HasSubstr("not a regular file"));
}
