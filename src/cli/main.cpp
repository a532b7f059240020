#include "cli/check_command.h"
#include "cli/console_command.h"
#include "cli/exit_status.h"
#include "cli/library_command.h"
#include "cli/mods_command.h"
#include "cli/program_arguments.h"
#include "cli/remove_command.h"
#include "cli/save_command.h"
#include "cli/script_command.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace jukewright::cli;
    CLI::App app{"Jukewright: build an MP3 jukebox for Half-Life and its mods"};
    app.name("jukewright-cli");
    app.require_subcommand(1);
    const std::vector<std::function<int()>> commands = {
        addScriptCommand(app), addSaveCommand(app),   addConsoleCommand(app), addModsCommand(app),
        addCheckCommand(app),  addRemoveCommand(app), addLibraryCommand(app)};
    prepareStandardStreams();
    std::vector<std::string> arguments = programArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& error) {
        // Help is a success; every other parse error is a usage error, whatever CLI11's own code.
        return app.exit(error) == 0 ? ExitDone : ExitUsage;
    }
    for (const auto& run : commands)
        if (const int status = run(); status >= 0)
            return status;
    return ExitUsage;
}
