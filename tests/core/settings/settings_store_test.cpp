#include "core/settings/settings_store.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gmock/gmock.h>
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

// The file image with the bytes at the offset, grown with zeros as a write past the end grows it.
std::string put(std::string file, std::size_t offset, std::string_view bytes) {
    if (file.size() < offset + bytes.size())
        file.resize(offset + bytes.size(), '\0');
    return file.replace(offset, bytes.size(), bytes);
}

// A file as one start-up leaves it, with the folders stored in records 2 onward.
std::string initialisedFile(const std::vector<std::string>& folders = {}) {
    std::string file = put(std::string(FullSize, '\0'), 0, le16(static_cast<int>(folders.size())));
    for (std::size_t i = 0; i < folders.size(); ++i)
        file = put(file, 128 * (i + 1), le16(static_cast<int>(folders[i].size())) + folders[i]);
    return put(put(put(file, Mp3VolumeAt, le16(80)), GameVolumeAt, le16(80)), MarkerAt, le16(1));
}

class SettingsFile : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.file("settings.jst");
    test::RecordingMessages messages;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingBox box;

    std::string bytes() const { return test::readBytes(path); }
    // Windows refuses to remove a read-only file.
    void clear() {
        std::error_code error;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove_all(path);
    }

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

// One run after another: the first writes the defaults, shutdown stores the language, the flag and the
// folders (volumes only through the options dialog), a file removed during the run is created again.
TEST_F(SettingsFile, RunsStoreTheirSettingsAndTheNextRunLoadsThem) {
    SettingsStore store = startRun();
    EXPECT_EQ(bytes(), initialisedFile());
    EXPECT_EQ(state->Language + state->FreeTrackOffered + state->ModFolderCount, 0);
    EXPECT_EQ(state->Mp3Volume, 80);
    EXPECT_EQ(state->GameVolume, 80);
    EXPECT_THAT(box.rows, IsEmpty());
    state->Language = 2;
    state->FreeTrackOffered = 1;
    state->Mp3Volume = 10;
    remember({"/games/cstrike"});
    EXPECT_TRUE(store.SaveExitSettings(*state));
    std::string expected = put(put(initialisedFile({"/games/cstrike"}), LanguageAt, le16(2)), FlagAt, le16(1));
    EXPECT_EQ(bytes(), expected);

    SettingsStore next = startRun();
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(state->Language, 2);
    EXPECT_EQ(state->FreeTrackOffered, 1);
    EXPECT_THAT(box.rows, ElementsAre("/games/cstrike"));
    fs::remove(path);
    EXPECT_TRUE(next.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), expected);
    state->Mp3Volume = 35;
    state->GameVolume = 90;
    EXPECT_TRUE(next.SaveVolumeSettings(*state));
    EXPECT_EQ(bytes(), put(put(expected, Mp3VolumeAt, le16(35)), GameVolumeAt, le16(90)));
    EXPECT_THAT(messages.messages, IsEmpty());
}

// The last folder fills its record with bytes that are not UTF-8: it must come back byte for byte, not
// grow past its record and be lost at the next shutdown. A folder over its record is never stored.
TEST_F(SettingsFile, FoldersRoundTripThroughTheirRecordsInOrder) {
    const std::vector<std::string> stored = {"/games/hl/cstrike", "C:\\Sierra\\Half-Life\\valve",
                                             "/home/p/J\xC3\xBCrgen's games/dod", "/" + std::string(125, '\xE9')};
    std::vector<std::string> folders = stored;
#ifdef _WIN32
    // The records hold the ANSI code page (Windows-1252 by default), the program UTF-8.
    folders[2] = "/home/p/J\xC3\x83\xC2\xBCrgen's games/dod";
    folders[3] = "/";
    for (int i = 0; i < 125; ++i)
        folders[3] += "\xC3\xA9";
#endif
    test::writeBytes(path, initialisedFile(stored));
    SettingsStore store = startRun();
    EXPECT_EQ(state->ModFolderCount, 4);
    EXPECT_EQ(std::vector(state->ModFolders.begin(), state->ModFolders.begin() + 4), folders);
    EXPECT_EQ(box.rows, folders);
    EXPECT_TRUE(store.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), initialisedFile(stored));

    fs::remove(path);
    SettingsStore next = startRun();
    const std::string fits(126, 'f');
    remember({"/a", "/" + std::string(126, 'x'), fits, "/b"});
    EXPECT_TRUE(next.SaveExitSettings(*state));
    EXPECT_EQ(bytes(), initialisedFile({"/a", fits, "/b"}));
    EXPECT_EQ(bytes().substr(256, 128), le16(126) + fits) << "126 bytes fill the record whole";
    EXPECT_THAT(messages.messages, IsEmpty());
}

// A damaged or short file of ours loads what it holds whole, with what is out of range left out, and
// keeps its bytes: a short one only grows to the full size with the defaults past its end. One that
// cannot grow has never had its volumes stored: they are the defaults, not a silent game.
TEST_F(SettingsFile, DamagedFileLoadsWhatItHoldsWholeAndKeepsItsBytes) {
    std::vector<std::string> stored;
    for (int i = 0; i < 101; ++i)
        stored.push_back("/mods/m" + std::to_string(i));
    const auto first = [&](std::size_t n) { return std::vector(stored.begin(), stored.begin() + std::ptrdiff_t(n)); };
    const auto count = [&](int n) { return put(initialisedFile(stored), 0, le16(n)); };
    const auto record3 = [](std::string record) {
        return put(initialisedFile({"/one", "/two", "/three"}), 256, record);
    };
    const auto volumes = [](int v) { return put(put(initialisedFile(), Mp3VolumeAt, le16(v)), GameVolumeAt, le16(v)); };
    const auto marker = [](std::string bytes) { return put(std::string(FullSize, '\0'), MarkerAt, bytes); };
    std::string letters(200, '\0');
    for (std::size_t i = 2; i < letters.size(); ++i)
        letters[i] = static_cast<char>('a' + i % 26);
    const std::string cutInRecord = put(put(le16(3), 128, le16(4) + "/one"), 256, le16(10) + "/tw");
    const std::string cutShort = put(le16(99), 128, le16(4) + "/one");
    const std::vector<std::string> oneAndThree = {"/one", "/three"};
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> rows;
        int volume = 80;
        bool readOnly = false; // so that start-up cannot grow it
    };
    const Case cases[] = {
        {"count -1", count(-1), {}},
        {"count 100", count(100), first(100)},
        {"count 101", count(101), first(100)},
        {"count 0", count(0), {}},
        {"record length 127", record3(le16(127) + std::string(126, 'x')), oneAndThree},
        {"record with a NUL byte", record3(le16(4) + std::string("/t\0o", 4)), oneAndThree},
        {"empty record", record3(le16(0)), oneAndThree},
        {"volume -1", volumes(-1), {}, 80},
        {"volume 101", volumes(101), {}, 80},
        {"volume 100", volumes(100), {}, 100},
        {"volume 0", volumes(0), {}, 0},
        // Any marker but zero keeps the stored volumes, zeros here.
        {"marker 1", marker(le16(1)), {}, 0},
        {"marker 256", marker(std::string("\0\x01", 2)), {}, 0},
        {"short file", letters, {}},
        {"cut inside a record", cutInRecord, {"/one"}, 80, true},
        {"cut short", cutShort, {"/one"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clear();
        test::writeBytes(path, c.file);
        if (c.readOnly)
            fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
        startRun();
        EXPECT_EQ(box.rows, c.rows);
        EXPECT_EQ(state->ModFolderCount, static_cast<int>(c.rows.size()));
        EXPECT_EQ(state->Mp3Volume, c.volume);
        EXPECT_EQ(state->GameVolume, c.volume);
        EXPECT_EQ(bytes(), c.readOnly ? c.file : put(initialisedFile(), 0, c.file));
    }
}

// Another program's file at the settings path (here behind a link) is never loaded nor written.
TEST_F(SettingsFile, AFileThatHoldsNoSettingsOfOursIsLeftAloneWithOneMessage) {
    const std::pair<const char*, std::string> cases[] = {
        {"photo", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) + std::string(3000, '\x7F')},
        {"notes", "rcon_password hunter2\nbuy milk\n"},
        {"one byte", "x"},
        {"count of 101", le16(101) + le16(4) + "/one"},
        {"count below 0", le16(-1) + le16(4) + "/one"},
        {"full size, no marker", put(put(initialisedFile({"/one"}), 0, le16(5000)), MarkerAt, le16(0))},
    };
    for (const auto& [what, content] : cases) {
        SCOPED_TRACE(what);
        messages.messages.clear();
        const fs::path notes = test::utf8Path(folder.write(std::string("elsewhere/") + what, content));
        fs::remove(path);
        test::placePlayersFile(notes, test::utf8Path(path));
        SettingsStore store = startRun();
        EXPECT_FALSE(store.canStore());
        EXPECT_THAT(box.rows, IsEmpty());
        EXPECT_EQ(state->Mp3Volume, 80);
        remember({"/games/valve"});
        EXPECT_FALSE(store.SaveVolumeSettings(*state));
        EXPECT_FALSE(store.SaveExitSettings(*state));
        EXPECT_EQ(test::readBytes(notes), content);
        EXPECT_EQ(test::readBytes(test::utf8Path(path)), content);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_THAT(messages.messages[0].text, HasSubstr(path));
        EXPECT_THAT(messages.messages[0].text, HasSubstr("leaves this file alone"));
    }
}

// Read-only, or not a file at start-up or at shutdown: read if it can be, never written, told once.
TEST_F(SettingsFile, AFileThatCannotBeWrittenIsNeverWrittenWithOneMessage) {
    const std::string file = put(initialisedFile({"/games/tfc"}), LanguageAt, le16(2));
    for (const std::string when : {"read-only", "a folder at start-up", "a folder at shutdown"}) {
        SCOPED_TRACE(when);
        clear();
        messages.messages.clear();
        if (when == "read-only") {
            test::writeBytes(path, file);
            fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        } else if (when == "a folder at start-up") {
            fs::create_directory(path);
        }
        SettingsStore store = startRun();
        EXPECT_EQ(box.rows, when == "read-only" ? std::vector<std::string>{"/games/tfc"} : std::vector<std::string>{});
        EXPECT_EQ(state->Language, when == "read-only" ? 2 : 0);
        EXPECT_EQ(state->Mp3Volume, 80);
        if (when == "a folder at shutdown") {
            fs::remove(path);
            fs::create_directory(path);
        } else {
            EXPECT_FALSE(store.SaveVolumeSettings(*state));
        }
        remember({"/games/tfc", "/games/valve"});
        EXPECT_FALSE(store.SaveExitSettings(*state));
        EXPECT_TRUE(when == "read-only" ? bytes() == file : fs::is_directory(path));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_THAT(messages.messages[0].text, HasSubstr(path));
        EXPECT_THAT(messages.messages[0].text, HasSubstr(when == "read-only" ? "read-only" : "not a regular file"));
        EXPECT_EQ(messages.messages[0].title, "Jukewright");
    }
}
