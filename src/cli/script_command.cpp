#include "cli/script_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"

#include <iostream>
#include <memory>

namespace jukewright::cli {

namespace {

int runScript(const PlaylistOptions& options) {
    TerminalPlaylistView view;
    const auto state = playlistState(options, view);
    if (state->TrackCount == 0) {
        std::cerr << "No items in playlist\n";
        return ExitFailed;
    }
    const std::string bytes = scriptFileBytes(*state, assignScriptNames(*state));
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return std::cout ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addScriptCommand(CLI::App& app) {
    auto options = std::make_shared<PlaylistOptions>();
    CLI::App* command = app.add_subcommand("script", "Write the mp3.cfg a save would write to standard output");
    addPlaylistOptions(*command, *options);
    return [command, options] { return command->parsed() ? runScript(*options) : -1; };
}

} // namespace jukewright::cli
