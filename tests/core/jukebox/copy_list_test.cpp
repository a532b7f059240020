#include "core/jukebox/copy_list.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace jukewright;

// A source path may hold any byte on POSIX; every one comes back unchanged.
TEST(CopyList, SourcesOfAnyBytesComeBackAsWritten) {
    std::string everyByte;
    for (int c = 1; c < 256; ++c)
        everyByte += static_cast<char>(c);
    const std::vector<CopyRecord> records = {
        {"a.mp3", {4, 1'700'000'000'123'456'789}, "/m/a.mp3"},
        {"So...What.mp3", {0, -5}, "/m/line\nend\rtab\t%41 100%.mp3"},
        {"b.mp3", {1, 2}, "/m/" + everyByte},
    };
    const std::string bytes = copyListBytes(records);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 4) << "one line each, after the heading";
    EXPECT_EQ(parseCopyList(bytes), records);
}

TEST(CopyList, DamagedRowsAreLeftOut) {
    const std::string good = "4\t5\tgood.mp3\t/m/good.mp3\n";
    const char* damaged[] = {
        "4\t5\t../userconfig.cfg\t/m/a.mp3\n", // a name that leads out of mp3s
        "4\t5\tsub/a.mp3\t/m/a.mp3\n",
        "4\t5\tsub\\a.mp3\t/m/a.mp3\n",
        "4\t5\tC:a.mp3\t/m/a.mp3\n",
        "4\t5\t.hidden\t/m/a.mp3\n",
        "4\t5\t\t/m/a.mp3\n",
        "4\t5\tbad\x01name.mp3\t/m/a.mp3\n",
        "4\t5\ta.mp3\t\n", // no source
        "4\t5\ta.mp3\t/m/%4\n",
        "4\t5\ta.mp3\t/m/%zz\n",
        "-4\t5\ta.mp3\t/m/a.mp3\n",
        "4x\t5\ta.mp3\t/m/a.mp3\n",
        "4\t\ta.mp3\t/m/a.mp3\n",
        "99999999999999999999\t5\ta.mp3\t/m/a.mp3\n",
        "4\t5\ta.mp3\n",
        "\n",
    };
    for (const char* row : damaged) {
        const auto records = parseCopyList("Jukewright copies 1\n" + good + row + good);
        ASSERT_EQ(records.size(), 2u) << row;
        EXPECT_EQ(records[0].name, "good.mp3");
    }
    EXPECT_TRUE(parseCopyList("Jukewright copies 2\n" + good).empty()) << "a list of another form";
    EXPECT_TRUE(parseCopyList(good).empty()) << "no heading";
    EXPECT_EQ(parseCopyList("Jukewright copies 1\r\n4\t5\tgood.mp3\t/m/good.mp3\r\n").size(), 1u);
}
