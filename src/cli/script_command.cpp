#include "cli/script_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"

#include <iostream>
#include <memory>

namespace jukewright::cli {

namespace {

struct ScriptOptions {
    int mp3Volume = 80;
    int gameVolume = 80;
    std::vector<std::string> items;
};

int runScript(const ScriptOptions& options) {
    auto state = std::make_unique<AppState>();
    state->Mp3Volume = static_cast<std::int16_t>(options.mp3Volume);
    state->GameVolume = static_cast<std::int16_t>(options.gameVolume);
    TerminalPlaylistView view;
    addItems(*state, view, options.items);
    if (state->TrackCount == 0) {
        std::cerr << "No items in playlist\n";
        return ExitFailed;
    }
    const std::string bytes = scriptFileBytes(*state, assignCopyNames(*state));
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return std::cout ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addScriptCommand(CLI::App& app) {
    auto options = std::make_shared<ScriptOptions>();
    CLI::App* command = app.add_subcommand("script", "Write the mp3.cfg a save would write to standard output");
    addVolumeOption(*command, "--mp3-volume", options->mp3Volume, "Initial MP3 volume, 0 to 100");
    addVolumeOption(*command, "--game-volume", options->gameVolume, "Initial game volume, 0 to 100");
    command->add_option("TRACK", options->items, "MP3 files, or .pls, .m3u and .m3u8 playlists to import");
    return [command, options] { return command->parsed() ? runScript(*options) : -1; };
}

} // namespace jukewright::cli
