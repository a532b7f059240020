#include "cli/remove_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/jukebox/jukebox_removal.h"
#include "core/system/native_path.h"

#include <iostream>
#include <memory>
#include <string>

namespace jukewright::cli {

namespace {

struct RemoveOptions {
    std::string modFolder;
    bool tracks = false;
};

int runRemove(const RemoveOptions& options) {
    const std::string modFolder = existingModFolder(options.modFolder);
    if (modFolder.empty())
        return ExitUsage;
    const RemovalReport report = removeJukebox(modFolder, options.tracks);
    if (!report.stopped.empty()) {
        std::cerr << report.stopped << '\n';
        return ExitFailed;
    }
    for (const std::string& warning : report.warnings)
        std::cerr << warning << '\n';
    for (const std::string& change : report.done)
        std::cout << change << '\n';
    for (const std::string& kept : report.kept)
        std::cout << kept << '\n';
    if (report.done.empty() && report.kept.empty() && report.failures.empty())
        std::cout << "no jukebox was found in the mod folder\n";
    std::cout.flush();
    if (report.failures.empty())
        return std::cout ? ExitDone : ExitFailed;
    std::cerr << "These files could not be changed:\n";
    for (const auto& failure : report.failures)
        std::cerr << displayPath(failure.path) << " (" << failure.reason << ")\n";
    return ExitFailed;
}

} // namespace

std::function<int()> addRemoveCommand(CLI::App& app) {
    auto options = std::make_shared<RemoveOptions>();
    CLI::App* command = app.add_subcommand(
        "remove", "Take the jukebox out of a mod folder: the controls section, the userconfig.cfg hook and mp3.cfg (a "
                  "player's own mp3.cfg is kept)");
    addModOption(*command, options->modFolder);
    command->add_flag("--tracks", options->tracks,
                      "Delete the tracks Jukewright copied into mp3s too, and mp3s when nothing else is left in it "
                      "(the player's own files there are kept)");
    command->footer("kb_act.lst and userconfig.cfg are first kept as kb_act.lst.jukewright-backup and "
                    "userconfig.cfg.jukewright-backup. Standard output gets one line per change; what could not be "
                    "changed goes to standard error, and the exit status is then 1.");
    return [command, options] { return command->parsed() ? runRemove(*options) : -1; };
}

} // namespace jukewright::cli
