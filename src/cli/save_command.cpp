#include "cli/save_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "cli/terminal_save_view.h"
#include "core/script/save_script.h"
#include "core/system/data_folder.h"

#include <memory>

namespace jukewright::cli {

namespace {

struct SaveOptions {
    std::string modFolder;
    int mp3Volume = 80;
    int gameVolume = 80;
    std::vector<std::string> items;
};

int runSave(const SaveOptions& options) {
    auto state = std::make_unique<AppState>();
    state->Mp3Volume = static_cast<std::int16_t>(options.mp3Volume);
    state->GameVolume = static_cast<std::int16_t>(options.gameVolume);
    TerminalPlaylistView playlist;
    addItems(*state, playlist, options.items);
    TerminalSaveView view(absoluteItem(options.modFolder));
    const SaveOutcome outcome = saveScriptCommand(*state, view, findDataFolder(executableFolder()));
    return outcome == SaveOutcome::Complete ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addSaveCommand(CLI::App& app) {
    auto options = std::make_shared<SaveOptions>();
    CLI::App* command = app.add_subcommand(
        "save", "Save the playlist as a jukebox into a mod folder: mp3.cfg, the tracks in mp3s and the game hooks");
    command->add_option("--mod", options->modFolder, "The mod folder, for example .../Half-Life/cstrike")->required();
    addVolumeOption(*command, "--mp3-volume", options->mp3Volume, "Initial MP3 volume, 0 to 100");
    addVolumeOption(*command, "--game-volume", options->gameVolume, "Initial game volume, 0 to 100");
    command->add_option("ITEM", options->items, "MP3 files, or .pls, .m3u and .m3u8 playlists to import");
    return [command, options] { return command->parsed() ? runSave(*options) : -1; };
}

} // namespace jukewright::cli
