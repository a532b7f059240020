#include "cli/save_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "cli/terminal_save_view.h"
#include "core/script/save_script.h"
#include "core/system/data_folder.h"

#include <memory>

namespace jukewright::cli {

namespace {

struct SaveOptions : PlaylistOptions {
    std::string modFolder;
};

int runSave(const SaveOptions& options) {
    TerminalPlaylistView playlist;
    const auto state = playlistState(options, playlist);
    TerminalSaveView view(modFolderItem(options.modFolder));
    const SaveOutcome outcome = saveScriptCommand(*state, view, findDataFolder(executableFolder()));
    return outcome == SaveOutcome::Complete ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addSaveCommand(CLI::App& app) {
    auto options = std::make_shared<SaveOptions>();
    CLI::App* command = app.add_subcommand(
        "save", "Save the playlist as a jukebox into a mod folder: mp3.cfg, the tracks in mp3s and the game hooks");
    command
        ->add_option("--mod", options->modFolder,
                     "The mod folder, for example .../Half-Life/cstrike, or the name of an installed mod (see mods)")
        ->required();
    addPlaylistOptions(*command, *options);
    return [command, options] { return command->parsed() ? runSave(*options) : -1; };
}

} // namespace jukewright::cli
