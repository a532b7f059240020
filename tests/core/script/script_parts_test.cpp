#include "core/script/script_parts.h"

#include <gtest/gtest.h>
#include <optional>

using namespace jukewright;

namespace {

std::string aliasRow(int number, std::size_t bytes) {
    std::string row = "alias a" + std::to_string(number) + " \"";
    row += std::string(bytes - row.size() - 3, 'x') + "\"\r\n";
    return row;
}

// The alias rows of a part, without the exec row and the script's ending.
std::string aliasRows(const std::string& bytes) {
    std::string rows;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        if (bytes.compare(start, 6, "alias ") == 0)
            rows += bytes.substr(start, end + 2 - start);
    return rows;
}

} // namespace

TEST(ScriptParts, PartsAreFilledUpToTheLimitWithoutSplittingARow) {
    // A part that runs the next one keeps room for "exec mp3_part<N>.cfg" and its CR LF.
    const std::size_t room1 = MaxScriptPartBytes - scriptPartExecRow(2).size();
    const std::size_t room2 = MaxScriptPartBytes - scriptPartExecRow(3).size();
    struct Case {
        const char* name;
        std::vector<std::size_t> rows;
        std::vector<std::size_t> parts;
    };
    const Case cases[] = {
        {"rows exactly at the limit", {room1 - 1000, 1000, 100}, {room1, 100}},
        {"one byte over moves the row on", {room1 - 1000, 1001, 100}, {room1 - 1000, 1101}},
        {"a row exactly at the limit on its own", {100, room2, 100}, {100, room2, 100}},
        {"a row too long for a part goes alone, whole", {50, 16390, 50}, {50, 16390, 50}},
        {"the ending that does not fit gets a part of its own", {room1 - 1000, 1000}, {room1, 0}},
    };
    for (const Case& c : cases) {
        std::string script = "\r\n";
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            script += aliasRow(static_cast<int>(i), c.rows[i]);
        script += "\r\nvol80\r\ngvol80\r\necho loaded\r\n";
        const auto files = splitScript(script);
        std::vector<std::size_t> parts;
        std::string joined;
        for (std::size_t i = 0; i + 1 < files.size(); ++i) {
            const bool last = i + 2 == files.size();
            EXPECT_EQ(files[i].name, scriptPartName(static_cast<int>(i) + 1)) << c.name;
            EXPECT_TRUE(files[i].bytes.ends_with(last ? "vol80\r\ngvol80\r\necho loaded\r\n"
                                                      : scriptPartExecRow(static_cast<int>(i) + 2)))
                << c.name << " " << i;
            EXPECT_LE(files[i].bytes.size(), c.rows[1] < 16390 ? MaxScriptPartBytes : SIZE_MAX) << c.name << " " << i;
            const std::string rows = aliasRows(files[i].bytes);
            parts.push_back(rows.size());
            joined += rows;
        }
        EXPECT_EQ(parts, c.parts) << c.name;
        EXPECT_EQ("\r\n" + joined + "\r\nvol80\r\ngvol80\r\necho loaded\r\n", script)
            << c.name << ": every row, in order, once";
        EXPECT_EQ(files.back(), (ScriptFile{"mp3.cfg", "exec mp3_part1.cfg\r\n"})) << c.name;
    }
}

TEST(ScriptParts, OnlyExactPartNamesHaveANumber) {
    for (const auto& [name, number] : {std::pair{"mp3_part1.cfg", 1}, std::pair{"mp3_part12.cfg", 12}}) {
        EXPECT_EQ(scriptPartNumber(name), number) << name;
        EXPECT_EQ(scriptPartName(number), name);
    }
    for (const char* name : {"mp3_part0.cfg", "mp3_part01.cfg", "MP3_PART1.cfg", "mp3_part1.cfg.bak", "mp3_part-1.cfg",
                             "mp3_part+1.cfg", "mp3_part.cfg", "mp3_part1x.cfg", "mp3_part99999999999.cfg", "mp3.cfg"})
        EXPECT_EQ(scriptPartNumber(name), std::nullopt) << name;
}
