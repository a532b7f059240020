#include "core/settings/preferences.h"
#include "support/fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

using namespace jukewright;

namespace {

constexpr std::string_view PartsFile = "[script]\nxash3dCompatible=true\n";
constexpr std::string_view AutomaticFile = "[script]\nxash3dCompatible=false\n";
constexpr std::string_view Notes = "buy milk\nrcon_password hunter2\n";

enum class Place { Nothing, File, LinkToNotes, Folder };

} // namespace

TEST(Preferences, OnlyAFileOfOursIsReadAndWritten) {
    // what is at the file's place, its bytes, the layout read from it, whether the file is ours
    const std::tuple<Place, std::string, ScriptLayout, bool> rows[] = {
        {Place::Nothing, "", ScriptLayout::Automatic, true},
        {Place::File, "", ScriptLayout::Automatic, true},
        {Place::File, std::string(PartsFile), ScriptLayout::Parts, true},
        {Place::File, "\r\n [script] \r\nxash3dCompatible = 1\r\n", ScriptLayout::Parts, true},
        {Place::File, std::string(AutomaticFile), ScriptLayout::Automatic, true},
        {Place::File, "[shopping]\nmilk = 2\n", ScriptLayout::Automatic, false},
        {Place::File, std::string(PartsFile) + "[shopping]\nmilk = 2\n", ScriptLayout::Automatic, false},
        {Place::File, "xash3dCompatible=true\n", ScriptLayout::Automatic, false}, // outside the section
        {Place::File, std::string(Notes), ScriptLayout::Automatic, false},
        {Place::File, "\xFF\xD8\xFF\xE0", ScriptLayout::Automatic, false},
        {Place::File, std::string(PartsFile) + std::string(64 * 1024, '\n'), ScriptLayout::Automatic, false},
        {Place::LinkToNotes, "", ScriptLayout::Automatic, false},
        {Place::Folder, "", ScriptLayout::Automatic, false},
    };
    for (const auto& [place, bytes, layout, ours] : rows) {
        SCOPED_TRACE(bytes.substr(0, 40));
        const test::TempFolder folder;
        const std::string path = folder.file("preferences.ini");
        if (place == Place::File)
            folder.write("preferences.ini", bytes);
        if (place == Place::LinkToNotes)
            test::placePlayersFile(folder.write("notes.txt", Notes), test::utf8Path(path));
        if (place == Place::Folder)
            std::filesystem::create_directory(test::utf8Path(path));
        Preferences preferences(path);
        EXPECT_EQ(preferences.scriptLayout(), layout);
        EXPECT_EQ(preferences.setScriptLayout(ScriptLayout::Parts), ours);
        if (ours) {
            EXPECT_EQ(folder.read("preferences.ini"), PartsFile);
            EXPECT_EQ(preferences.scriptLayout(), ScriptLayout::Parts);
            EXPECT_TRUE(preferences.setScriptLayout(ScriptLayout::Automatic));
            EXPECT_EQ(folder.read("preferences.ini"), AutomaticFile);
            EXPECT_EQ(preferences.scriptLayout(), ScriptLayout::Automatic);
        } else if (place != Place::Folder) {
            EXPECT_EQ(folder.read("preferences.ini"), place == Place::File ? bytes : Notes);
        }
    }
}
