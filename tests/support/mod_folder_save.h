#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_script.h"
#include "core/playlist/track_list.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace jukewright::test {

inline constexpr const char* PlayerList =
    "\"+forward\"            \"Move forward\"\r\n\"+back\"            \"Move back\"\r\n";
inline constexpr const char* PlayerConfig = "// my keys\r\nbind k \"kill\"\r\n";

// A jukebox of "Music/<song>" files, each holding its name, saved into "<here>/cstrike" over the
// player's controls list and userconfig.cfg.
inline void saveJukebox(const TempFolder& here, const std::vector<std::string>& songs,
                        ScriptLayout layout = ScriptLayout::SingleFile) {
    here.write("cstrike/gfx/shell/kb_act.lst", PlayerList);
    here.write("cstrike/userconfig.cfg", PlayerConfig);
    auto state = std::make_unique<AppState>();
    state->Layout = layout;
    RecordingPlaylistView rows;
    for (const std::string& song : songs)
        appendTrack(*state, rows, here.write("Music/" + song, song));
    RecordingSaveView view(here.file("cstrike"));
    ASSERT_EQ(saveScriptCommand(*state, view, JUKEWRIGHT_DATA_DIR), SaveOutcome::Complete);
}

// The mod folder "cstrike" in a temporary folder, with tracks under its "music" folder, and saves
// into the mod folder, each watched by a fresh recording window.
class ModFolderSave : public ::testing::Test {
protected:
    ModFolderSave() { std::filesystem::create_directories(mod()); }

    std::filesystem::path mod() const { return root.path() / "cstrike"; }
    std::string modText() const { return mod().string(); }
    std::string modFile(const std::string& name) const { return readBytes(mod() / name); }

    // A track file written under "music" and added to the list; returns its path.
    std::string track(const std::string& name, const std::string& content) {
        return add(root.write("music/" + name, content));
    }
    std::string add(const std::string& path) {
        RecordingPlaylistView rows;
        appendTrack(*state, rows, path);
        return path;
    }
    // An empty list again, as the program has when it starts.
    void restart() { state = std::make_unique<AppState>(); }

    SaveOutcome save(RecordingSaveView& on) { return saveScriptCommand(*state, on, JUKEWRIGHT_DATA_DIR); }
    SaveOutcome save() {
        view = RecordingSaveView(modText());
        return save(view);
    }
    // A failed save's one message, which names each failure; every one of `named` is in it.
    std::string saveFails(std::initializer_list<std::string> named) {
        EXPECT_EQ(save(), SaveOutcome::Failed);
        EXPECT_EQ(view.messages.size(), 1u);
        const Message failure = view.messages.empty() ? Message{} : view.messages[0];
        EXPECT_EQ(failure.title, "Jukewright - Error");
        EXPECT_EQ(failure.icon, MessageIcon::Stop);
        EXPECT_TRUE(view.modFolderEnabled);
        EXPECT_NE(view.caption, "Done");
        EXPECT_TRUE(failure.text.starts_with("These files could not be written:\n")) << failure.text;
        EXPECT_EQ(std::ranges::count(failure.text, '\n'), std::ssize(named)) << failure.text;
        for (const std::string& name : named)
            EXPECT_NE((failure.text + "\n").find(name), std::string::npos) << name << " in " << failure.text;
        return failure.text;
    }
    std::string messages() const {
        std::string text;
        for (const Message& message : view.messages)
            text += message.text + "\n";
        return text;
    }

    TempFolder root;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingSaveView view{""};
};

} // namespace jukewright::test
