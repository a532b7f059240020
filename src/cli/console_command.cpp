#include "cli/console_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/console/game_console.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace jukewright::cli {

namespace {

struct ConsoleOptions {
    std::string modFolder;
    std::vector<std::string> commands;
    EngineOption engine;
};

// Effects are what a script checks, so they alone go to standard output; each is flushed so that
// they keep their order with the notices on standard error.
class TerminalConsoleOutput : public ConsoleOutput {
public:
    void effect(const std::string& line) override { std::cout << line << '\n' << std::flush; }
    void notice(const std::string& line) override { std::cerr << line << '\n'; }
};

int runConsole(const ConsoleOptions& options) {
    const std::string modFolder = existingModFolder(options.modFolder);
    if (modFolder.empty())
        return ExitUsage;
    TerminalConsoleOutput output;
    GameConsole console(modFolder, output, engineRules(options.engine.engineFor(modFolder)));
    // The game runs userconfig.cfg at every start of the mod.
    console.run("exec userconfig.cfg");
    for (const std::string& command : options.commands)
        console.run(command);
    if (options.commands.empty())
        for (std::string line; std::getline(std::cin, line);)
            console.run(line);
    return std::cout ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addConsoleCommand(CLI::App& app) {
    auto options = std::make_shared<ConsoleOptions>();
    CLI::App* command = app.add_subcommand(
        "console", "Start a mod's game console on the mod folder (userconfig.cfg first) and run commands in it");
    addModOption(*command, options->modFolder);
    addEngineOption(*command, options->engine,
                    "The engine whose console to follow: goldsrc (Half-Life), xash3d (Xash3D FWGS) or auto (the "
                    "default: xash3d when its program is in the folder above the mod folder, else goldsrc)");
    command->add_option("COMMAND", options->commands,
                        "Console lines to run in turn; without any, the lines of standard input");
    command->footer(
        "The console follows the rules of the game's own console (Valve's GoldSrc engine): its command buffer and "
        "line limits, exec of .cfg and .rc files (large ones line by line), the tokenizer, alias, wait, echo, cmd, "
        "and the text the game's chat code makes of say and say_team for a player named Player. It does not model "
        "the chat's limit of one message a second, nor the game's mp3 player: mp3 play and mp3 loop are printed "
        "and their file is checked, nothing is played. No file over 16 MiB and no file outside the mod folder is "
        "run.\n"
        "With --engine xash3d it follows Xash3D FWGS instead: a command buffer of 32,768 bytes, an exec'd file "
        "that does not fit it dropped whole (a notice says command buffer overflow), .cfg added to a name without "
        "one, commands of 2,047 bytes or more discarded, ; splitting commands outside quotes and // comments, "
        "\\\" as a quote inside quotes, : ( and ) inside words, aliases found before commands (the first spelling "
        "of a name keeps its text), wait N waiting N frames, % in chat arriving as ., and mp3 paths found as its "
        "file system finds them (/ alone separates, letter case ignored, .mp3 added, media/ tried).\n"
        "Standard output gets one line per effect (mp3 play, mp3 loop, mp3 stop, mp3volume, volume, say, say_team, "
        "echo, unknown command); notices go to standard error.");
    return [command, options] { return command->parsed() ? runConsole(*options) : -1; };
}

} // namespace jukewright::cli
