#pragma once

#include "core/app_state.h"
#include "core/playlist/track_list.h"
#include "core/jukebox/save_script.h"
#include "support/fixtures.h"
#include "support/recording_views.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace jukewright::test {

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
