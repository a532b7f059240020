#pragma once

#include "core/app_state.h"
#include "core/console/engine_rules.h"
#include "core/playlist/playlist_view.h"
#include "core/script_layout.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

namespace jukewright::cli {

// A text that is not absolute gets the current folder put before it, the way a file dialog returns
// a full path. An empty text stays empty.
std::string absoluteItem(const std::string& item);

// The --mod text of save and console: the name of an installed mod (see chooseModFolder) selects
// its folder, saying on standard error which one when several libraries hold it; then a relative
// text becomes absolute.
std::string modFolderItem(const std::string& text);

// The --mod folder of commands that work on an existing jukebox: the folder as modFolderItem makes
// it, or an empty text after saying on standard error that there is no such folder.
std::string existingModFolder(const std::string& text);

// Puts every item into the track list in the order given: playlists are imported, anything else is
// added as the add-track command adds a file.
void addItems(AppState& state, PlaylistView& view, const std::vector<std::string>& items);

// The playlist and volumes that `script` and `save` take alike.
struct PlaylistOptions {
    int mp3Volume = 80;
    int gameVolume = 80;
    std::vector<std::string> items;
};

// Registers --mp3-volume, --game-volume (whole numbers from 0 to 100, in decimal) and the items.
void addPlaylistOptions(CLI::App& command, PlaylistOptions& options);

// The --engine option: auto (when not given), goldsrc or xash3d, in any letter case.
struct EngineOption {
    std::string name = "auto";
    bool automatic() const { return name == "auto"; }
    // The engine named, or for auto the one detected from the mod folder.
    Engine engineFor(const std::string& modFolder) const;
    // The layout of a save: auto leaves it to the save's detection.
    ScriptLayout layout() const;
};

// Registers the required --mod option: a mod folder or the name of an installed mod.
void addModOption(CLI::App& command, std::string& modFolder);

// Registers --engine; any name but the three is a usage error.
void addEngineOption(CLI::App& command, EngineOption& option, const std::string& description);

// The state a command works on: the volumes set and every item put into the track list. A volume
// that is no step of the script's ladder is noted on standard error.
std::unique_ptr<AppState> playlistState(const PlaylistOptions& options, PlaylistView& view);

// The track list of the command line: no rows to show, messages go to standard error.
class TerminalPlaylistView : public PlaylistView {
public:
    void showMessage(const Message& message) override;
    void clearRows() override { m_rows = 0; }
    void appendRow(const std::string&) override { ++m_rows; }
    int rowCount() const override { return m_rows; }
    bool isRowSelected(int) const override { return false; }
    void selectRow(int) override {}
    void hideHoverImages() override {}

private:
    int m_rows = 0;
};

} // namespace jukewright::cli
