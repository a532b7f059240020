#include "core/integration/key_binding_list.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace jukewright;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string Section = test::fixtureBytes("controls_section.lst");

std::string defaultList(const std::string& mod) {
    return test::readBytes(fs::path(JUKEWRIGHT_DATA_DIR) / "kb_act" / mod / "kb_act.lst");
}

// A mod folder (the folder's name is the mod's name) inside a fresh temporary folder.
class KeyBindingList : public ::testing::Test {
protected:
    std::string modFolder(const std::string& mod) {
        fs::create_directories(root.path() / mod);
        return (root.path() / mod).string();
    }
    fs::path listOf(const std::string& mod) const { return root.path() / mod / "gfx" / "shell" / "kb_act.lst"; }
    std::string writeList(const std::string& mod, std::string_view bytes) {
        const std::string folder = modFolder(mod);
        test::writeBytes(listOf(mod), bytes);
        return folder;
    }
    FileFailures write(const std::string& folder) { return WriteKeyBindingList(folder, JUKEWRIGHT_DATA_DIR, view); }

    test::TempFolder root;
    test::RecordingMessages view;
};

const Message NotFound{KeyBindingListNotFoundText, "Jukewright", MessageIcon::None};

} // namespace

TEST(ControlsSection, IsTheFourteenRowsOfTheCommittedSection) {
    EXPECT_EQ(controlsSectionBytes(), Section);
    EXPECT_EQ(controlsSectionBytes().size(), 568u);
    EXPECT_EQ(keyBindingListBytes(""), Section) << "a zero-byte list becomes the section alone";
}

TEST_F(KeyBindingList, KnownModWithoutShellFolderGetsFoldersDefaultListAndSection) {
    const std::string folder = modFolder("cstrike");
    EXPECT_THAT(write(folder), IsEmpty());
    EXPECT_THAT(view.messages, IsEmpty());
    EXPECT_TRUE(fs::is_directory(root.path() / "cstrike" / "gfx" / "shell"));
    EXPECT_EQ(test::readBytes(listOf("cstrike")), defaultList("cstrike") + Section);
}

TEST_F(KeyBindingList, ModWithoutListOrDefaultGetsTheNoticeAndNoList) {
    for (const std::string mod : {"ns", "CStrike", "cstrike2"}) {
        view.messages.clear();
        EXPECT_THAT(write(modFolder(mod)), IsEmpty()) << "a missing list is a notice, not a failure";
        EXPECT_THAT(view.messages, ElementsAre(NotFound)) << mod;
        EXPECT_TRUE(fs::is_directory(root.path() / mod / "gfx" / "shell")) << mod;
        EXPECT_FALSE(fs::exists(listOf(mod))) << mod;
    }
}

TEST_F(KeyBindingList, MissingDefaultBesideTheProgramGivesTheNotice) {
    test::TempFolder emptyData;
    EXPECT_THAT(WriteKeyBindingList(modFolder("dod"), emptyData.str(), view), IsEmpty());
    EXPECT_THAT(view.messages, ElementsAre(NotFound));
    EXPECT_FALSE(fs::exists(listOf("dod")));
}

TEST_F(KeyBindingList, SecondRunLeavesTheListAsItWas) {
    const std::string folder = writeList("valve", "\"+jump\"  \"Jump\"\r\n\r\n\"+duck\"\t\"Duck\"");
    write(folder);
    const std::string once = test::readBytes(listOf("valve"));
    EXPECT_EQ(once, "\"+jump\"  \"Jump\"\r\n\"+duck\"\t\"Duck\"\r\n" + Section);
    write(folder);
    EXPECT_EQ(test::readBytes(listOf("valve")), once);
    EXPECT_EQ(keyBindingListBytes(once), once);
}

TEST(KeyBindingListRows, RowsAfterAnOldSectionStayAndTheNewSectionGoesLast) {
    const std::string before =
        "\"blank\" \"===\"\r\n\"blank\" \"Moves\"\r\n\"blank\" \"===\"\r\n\"+jump\" \"Jump\"\r\n";
    const std::string after = "\"blank\" \"===\"\r\n\"blank\" \"Misc\"\r\n\"blank\" \"===\"\r\n\"quit\" \"Quit\"\r\n";
    EXPECT_EQ(keyBindingListBytes(before + Section + after), before + after + Section);
}

TEST(KeyBindingListRows, OldSectionAnywhereIsReplacedWhateverItsRows) {
    // An older or hand-edited section: its rows are dropped up to the next section's first row.
    const std::string old = "\"blank\" \"---\"\r\n\"blank\"\t\"MP3 Player Controls\"\r\n\"blank\" \"---\"\r\n"
                            "\"playtrack\" \"Play\"\r\n\"mp3 stop\" \"Stop\"\r\n";
    EXPECT_EQ(keyBindingListBytes("\"a\" \"A\"\r\n" + old + "\"blank\" \"x\"\r\n\"b\" \"B\"\r\n"),
              "\"a\" \"A\"\r\n\"blank\" \"x\"\r\n\"b\" \"B\"\r\n" + Section);
    EXPECT_EQ(keyBindingListBytes("\"a\" \"A\"\r\n" + old), "\"a\" \"A\"\r\n" + Section) << "section ends the file";
    EXPECT_EQ(keyBindingListBytes(old + old), Section) << "two old sections";
}

TEST(KeyBindingListRows, TitleRowAloneMarksTheSection) {
    EXPECT_EQ(keyBindingListBytes("\"a\" \"A\"\r\n\"blank\" \"===\"\r\n\"blank\" \"MP3 Player Controls\r\n"
                                  "\"blank\" \"===\"\r\n\"playtrack\" \"Play Track\"\r\n"),
              "\"a\" \"A\"\r\n" + Section)
        << "no closing quote after the title";
    EXPECT_EQ(keyBindingListBytes("\"blank\" \"MP3 Player Controls\"\r\n\"blank\" \"===\"\r\n\"x\" \"X\"\r\n"
                                  "\"blank\" \"Next\"\r\n"),
              "\"blank\" \"Next\"\r\n" + Section)
        << "a title in the first row drops no earlier row";
    EXPECT_EQ(keyBindingListBytes("\"a\" \"A\"\r\n\"b\" \"B\"\r\n\"blank\" \"MP3 Player Controls\""),
              "\"a\" \"A\"\r\n" + Section)
        << "the file ends right after the title";
}

TEST(KeyBindingListRows, EmptyRowsVanishAndBlankRowsStay) {
    EXPECT_EQ(keyBindingListBytes("\r\n\"a\" \"A\"\r\n\r\n\r\n   \r\n\n\r\"b\" \"B\"\r\n\r\n"),
              "\"a\" \"A\"\r\n   \r\n\"b\" \"B\"\r\n" + Section);
}

TEST(KeyBindingListRows, LfOnlyListWithOldSectionKeepsItsOtherRows) {
    std::string lfSection = Section;
    std::erase(lfSection, '\r');
    EXPECT_EQ(keyBindingListBytes("\"a\" \"A\"\n\"b\" \"B\"\n" + lfSection + "\"blank\" \"Misc\"\n\"c\" \"C\""),
              "\"a\" \"A\"\r\n\"b\" \"B\"\r\n\"blank\" \"Misc\"\r\n\"c\" \"C\"\r\n" + Section);
}

TEST(KeyBindingListRows, KeptRowsKeepTheirBytes) {
    const std::string rows =
        "\"+jump\"\t\t\t\"Springen \xFC\xE9\"\r\n\"say \xFF\xFE\"  \"\xE2\x82\xAC caf\xC3\xA9\"  \r\n"
        "\"x\" \"no final line end\"";
    EXPECT_EQ(keyBindingListBytes(rows), rows + "\r\n" + Section);
}

TEST(KeyBindingListRows, EveryRowOfALongListStays) {
    std::string list;
    for (int i = 0; i < 12000; ++i)
        list += "\"cmd" + std::to_string(i) + "\" \"Row " + std::to_string(i) + "\"\r\n";
    EXPECT_EQ(keyBindingListBytes(list), list + Section);
}

TEST_F(KeyBindingList, ExistingListIsRewrittenNotReplacedByTheDefault) {
    for (const std::string_view bytes : {"", "\"buy\" \"Mine\"\n"}) {
        const std::string folder = writeList("cstrike", bytes);
        EXPECT_THAT(write(folder), IsEmpty());
        EXPECT_EQ(test::readBytes(listOf("cstrike")), (bytes.empty() ? "" : "\"buy\" \"Mine\"\r\n") + Section);
    }
    EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(KeyBindingList, FileWhereTheGfxFolderShouldBeIsReported) {
    const std::string folder = modFolder("cstrike");
    test::writeBytes(root.path() / "cstrike" / "gfx", "not a folder");
    const FileFailures failures = write(folder);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, folder + "\\gfx\\shell");
    EXPECT_FALSE(failures[0].reason.empty());
    EXPECT_THAT(view.messages, IsEmpty()) << "the path is right; the notice would mislead";
    EXPECT_EQ(test::readBytes(root.path() / "cstrike" / "gfx"), "not a folder");
}

TEST_F(KeyBindingList, DefaultThatCannotBePutInPlaceIsReported) {
    const std::string folder = modFolder("tfc");
    fs::create_directories(listOf("tfc"));
    const FileFailures failures = write(folder);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, folder + "\\gfx\\shell\\kb_act.lst");
    EXPECT_THAT(view.messages, IsEmpty());
    EXPECT_TRUE(fs::is_directory(listOf("tfc")));
}

TEST_F(KeyBindingList, EveryKnownModHasADefaultListInTheGamesFormat) {
    const std::regex pair(R"("[^"]+"[ \t]+"[^"]+")");
    for (const char* mod : KnownMods) {
        const std::string bytes = defaultList(mod);
        ASSERT_TRUE(bytes.ends_with("\r\n")) << mod;
        std::size_t rows = 0;
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2, ++rows) {
            const std::string row = bytes.substr(start, end - start);
            EXPECT_TRUE(std::regex_match(row, pair)) << mod << " row " << rows + 1 << ": " << row;
            EXPECT_EQ(row.find('\n'), std::string::npos) << mod;
        }
        EXPECT_EQ(start, bytes.size()) << mod << ": every row ends with CR LF";
        EXPECT_GT(rows, 30u) << mod;
        EXPECT_TRUE(bytes.starts_with("\"blank\"")) << mod << " opens with a section";
        EXPECT_EQ(bytes.find("MP3 Player Controls"), std::string::npos) << mod;

        view.messages.clear();
        EXPECT_THAT(write(modFolder(mod)), IsEmpty()) << mod;
        EXPECT_THAT(view.messages, IsEmpty()) << mod;
        EXPECT_EQ(test::readBytes(listOf(mod)), bytes + Section) << mod;
    }
}

TEST_F(KeyBindingList, UnreadableListIsReportedAndNeverOverwritten) {
#ifndef _WIN32
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
#endif
    const std::string folder = writeList("cstrike", "\"mine\" \"Mine\"\r\n");
    fs::permissions(listOf("cstrike"), fs::perms::none);
    const FileFailures failures = write(folder);
    fs::permissions(listOf("cstrike"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, folder + "\\gfx\\shell\\kb_act.lst");
    EXPECT_EQ(test::readBytes(listOf("cstrike")), "\"mine\" \"Mine\"\r\n");
}
