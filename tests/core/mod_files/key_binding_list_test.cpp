#include "core/mod_files/key_binding_list.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <algorithm>
#include <filesystem>
#include <gmock/gmock.h>
#include <regex>

using namespace jukewright;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

namespace {

const std::string Section = test::fixtureBytes("controls_section.lst");

class KeyBindingList : public ::testing::Test {
protected:
    fs::path listOf(const std::string& mod) const { return root.path() / mod / "gfx" / "shell" / "kb_act.lst"; }
    FileFailures write(const std::string& mod, const std::string& dataFolder = JUKEWRIGHT_DATA_DIR) {
        fs::create_directories(root.path() / mod);
        return WriteKeyBindingList(root.file(mod), dataFolder, view);
    }

    test::TempFolder root;
    test::RecordingMessages view;
};

} // namespace

TEST_F(KeyBindingList, KnownModGetsItsDefaultListAndTheSectionOnceAnyOtherModTheNoticeAndNoList) {
    const std::regex quotedPair(R"("[^"\r\n]+"[ \t]+"[^"\r\n]+"\r\n)");
    for (const char* mod : KnownMods) {
        const std::string bytes = test::readBytes(fs::path(JUKEWRIGHT_DATA_DIR) / "kb_act" / mod / "kb_act.lst");
        EXPECT_EQ(std::regex_replace(bytes, quotedPair, ""), "") << mod << ": rows that are not quoted pairs";
        EXPECT_GT(std::ranges::count(bytes, '\n'), 30) << mod;
        EXPECT_THAT(write(mod), IsEmpty()) << mod;
        EXPECT_THAT(write(mod), IsEmpty()) << mod << ": a second run leaves the list as it was";
        EXPECT_EQ(test::readBytes(listOf(mod)), bytes + Section) << mod;
    }
    EXPECT_THAT(view.messages, IsEmpty());
    const test::TempFolder emptyData;
    fs::remove_all(root.path() / "dod"); // a known mod whose default list is missing
    for (const std::string mod : {"ns", "cstrike2", "dod"}) {
        EXPECT_THAT(write(mod, mod == "dod" ? emptyData.str() : JUKEWRIGHT_DATA_DIR), IsEmpty()) << mod;
        EXPECT_FALSE(fs::exists(listOf(mod))) << mod;
    }
    EXPECT_EQ(view.messages, std::vector<Message>(3, {KeyBindingListNotFoundText, "Jukewright", MessageIcon::None}));
}

TEST(KeyBindingListRows, RowsStayByteForByteAndAnOldSectionMakesWayForTheNewOneAtTheEnd) {
    ASSERT_EQ(Section.size(), 568u);
    const std::string a = "\"a\" \"A\"\r\n";
    const std::string old = "\"blank\" \"---\"\r\n\"blank\"\t\"MP3 Player Controls\"\r\n\"blank\" \"---\"\r\n"
                            "\"playtrack\" \"Play\"\r\n\"mp3 stop\" \"Stop\"\r\n";
    const std::string misc = "\"blank\" \"===\"\r\n\"blank\" \"Misc\"\r\n\"blank\" \"===\"\r\n\"quit\" \"Quit\"\r\n";
    const std::string raw =
        "\"+jump\"\t\t\t\"Springen \xFC\xE9\"\r\n\"say \xFF\xFE\"  \"\xE2\x82\xAC caf\xC3\xA9\"  \r\n"
        "\"x\" \"no final line end\"";
    const std::pair<std::string, std::string> lists[] = {
        {"", Section},
        {a + Section + misc, a + misc + Section},
        {a + old + misc + old, a + misc + Section},
        {"\"a\" \"A\"\n\"blank\" \"-\"\n\"blank\" \"MP3 Player Controls\"\n\"blank\" \"-\"\n"
         "\"x\" \"X\"\n\"blank\" \"M\"",
         a + "\"x\" \"X\"\r\n\"blank\" \"M\"\r\n" + Section},
        // The player's rows after the section and around a row that merely mentions its title stay.
        {a + Section + "\"+mine\" \"Mine\"\r\n", a + "\"+mine\" \"Mine\"\r\n" + Section},
        {a + "\"b\" \"B\"\r\n\"echo MP3 Player Controls rock\" \"Brag\"\r\n\"c\" \"C\"\r\n  \r\n",
         a + "\"b\" \"B\"\r\n\"c\" \"C\"\r\n  \r\n" + Section},
        // A title without its closing quote, a title in the first row, a file that ends right after the title.
        {a + "\"blank\" \"=\"\r\n\"blank\" \"MP3 Player Controls\r\n\"blank\" \"=\"\r\n\"x\" \"X\"\r\n",
         a + "\"x\" \"X\"\r\n" + Section},
        {"\"blank\" \"MP3 Player Controls\"\r\n\"blank\" \"===\"\r\n\"gvolup\" \"Up\"\r\n   \r\n" + misc,
         misc + Section},
        {a + "\"b\" \"B\"\r\n\"blank\" \"MP3 Player Controls\"", a + "\"b\" \"B\"\r\n" + Section},
        {"\r\n\"a\" \"A\"\r\n\r\n\r\n   \r\n\n\r\"b\" \"B\"\r\n\r\n", a + "   \r\n\"b\" \"B\"\r\n" + Section},
        {raw, raw + "\r\n" + Section},
    };
    for (const auto& [list, expected] : lists) {
        EXPECT_EQ(keyBindingListBytes(list), expected) << list;
        EXPECT_EQ(keyBindingListBytes(expected), expected) << "a second run changes the list";
    }
}

TEST_F(KeyBindingList, EmptyListIsRewrittenAndAFailureIsReportedAndLeavesWhatIsThere) {
    test::writeBytes(listOf("valve"), "");
    EXPECT_THAT(write("valve"), IsEmpty());
    EXPECT_EQ(test::readBytes(listOf("valve")), Section) << "an empty list is not replaced by the default";
    test::writeBytes(root.path() / "cstrike" / "gfx", "not a folder");
    EXPECT_THAT(write("cstrike"), ElementsAre(Field(&FileFailure::path, root.file("cstrike") + "\\gfx\\shell")));
    EXPECT_EQ(test::readBytes(root.path() / "cstrike" / "gfx"), "not a folder");
    EXPECT_THAT(view.messages, IsEmpty()) << "the path is right; the notice would mislead";
}
