#include "cli/check_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/jukebox/check_report.h"
#include "core/jukebox/jukebox_check.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <string>

namespace jukewright::cli {

namespace {

// "ok: ", "warning: " or "problem: ", the window's words in lower case.
std::string prefixOf(CheckSeverity severity) {
    std::string word = severityWord(severity);
    std::ranges::transform(word, word.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word + ": ";
}

struct CheckOptions {
    std::string modFolder;
    EngineOption engine;
};

int runCheck(const CheckOptions& options) {
    const std::string modFolder = existingModFolder(options.modFolder);
    if (modFolder.empty())
        return ExitUsage;
    const std::vector<CheckResult> results = options.engine.automatic()
                                                 ? checkJukebox(modFolder)
                                                 : checkJukebox(modFolder, options.engine.engineFor(modFolder));
    for (const CheckResult& result : results)
        std::cout << prefixOf(result.severity) << result.text << '\n';
    std::cout.flush();
    const bool problems = std::ranges::any_of(
        results, [](const CheckResult& result) { return result.severity == CheckSeverity::Problem; });
    return problems || !std::cout ? ExitFailed : ExitDone;
}

} // namespace

std::function<int()> addCheckCommand(CLI::App& app) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* command =
        app.add_subcommand("check", "Check the jukebox of a mod folder the way the game loads it at start");
    addModOption(*command, options->modFolder);
    addEngineOption(*command, options->engine,
                    "The engine whose console to judge by: goldsrc (Half-Life), xash3d (Xash3D FWGS) or auto (the "
                    "default: xash3d when its program is in the folder above the mod folder, else goldsrc)");
    command->footer("Standard output gets one line per check, starting with ok:, warning: or problem:; the first "
                    "names the engine judged by. The last two tell whether the jukebox loads in Xash3D-based "
                    "engines and finds its tracks there: warnings for a single mp3.cfg judged by Half-Life's "
                    "console, problems for a script saved in parts or judged by Xash3D's. No file over 16 MiB is "
                    "read. The exit status is 0 when no check found a problem, else 1.");
    return [command, options] { return command->parsed() ? runCheck(*options) : -1; };
}

} // namespace jukewright::cli
