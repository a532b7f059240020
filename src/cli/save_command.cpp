#include "cli/save_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "cli/terminal_save_view.h"
#include "core/jukebox/save_script.h"
#include "core/system/data_folder.h"

#include <memory>

namespace jukewright::cli {

namespace {

struct SaveOptions : PlaylistOptions {
    std::string modFolder;
    EngineOption engine;
};

int runSave(const SaveOptions& options) {
    TerminalPlaylistView playlist;
    const auto state = playlistState(options, playlist);
    state->Layout = options.engine.layout();
    TerminalSaveView view(modFolderItem(options.modFolder));
    const SaveOutcome outcome = saveScriptCommand(*state, view, findDataFolder(executableFolder()));
    return outcome == SaveOutcome::Complete ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addSaveCommand(CLI::App& app) {
    auto options = std::make_shared<SaveOptions>();
    CLI::App* command = app.add_subcommand(
        "save", "Save the playlist as a jukebox into a mod folder: mp3.cfg, the tracks in mp3s and the game hooks");
    addModOption(*command, options->modFolder);
    addEngineOption(*command, options->engine,
                    "The engine the jukebox is for: goldsrc (Half-Life) writes one mp3.cfg, xash3d writes the "
                    "aliases in parts mp3_part1.cfg, mp3_part2.cfg, ... of at most 16 KB, run one after another "
                    "from mp3.cfg, which Xash3D-based engines and Half-Life both load; auto (the default) writes "
                    "parts when Xash3D's program (xash3d, xash3d.exe or libxash.so) is in the folder above the mod "
                    "folder, and says so, and one mp3.cfg otherwise");
    addPlaylistOptions(*command, *options);
    return [command, options] { return command->parsed() ? runSave(*options) : -1; };
}

} // namespace jukewright::cli
