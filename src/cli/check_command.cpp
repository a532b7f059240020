#include "cli/check_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/integration/jukebox_check.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

namespace jukewright::cli {

namespace {

const char* prefixOf(CheckSeverity severity) {
    switch (severity) {
    case CheckSeverity::Ok:
        return "ok: ";
    case CheckSeverity::Warning:
        return "warning: ";
    case CheckSeverity::Problem:
        break;
    }
    return "problem: ";
}

int runCheck(const std::string& modText) {
    const std::string modFolder = existingModFolder(modText);
    if (modFolder.empty())
        return ExitUsage;
    const std::vector<CheckResult> results = checkJukebox(modFolder);
    for (const CheckResult& result : results)
        std::cout << prefixOf(result.severity) << result.text << '\n';
    std::cout.flush();
    const bool problems = std::ranges::any_of(
        results, [](const CheckResult& result) { return result.severity == CheckSeverity::Problem; });
    return problems || !std::cout ? ExitFailed : ExitDone;
}

} // namespace

std::function<int()> addCheckCommand(CLI::App& app) {
    auto modFolder = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("check", "Check the jukebox of a mod folder the way the game loads it at start");
    command
        ->add_option("--mod", *modFolder,
                     "The mod folder, for example .../Half-Life/cstrike, or the name of an installed mod (see mods)")
        ->required();
    command->footer("Standard output gets one line per check, starting with ok:, warning: or problem:. The checks "
                    "follow Half-Life's console; the last two tell whether the jukebox loads in Xash3D-based engines "
                    "and finds its tracks there: warnings for a single mp3.cfg, problems for a script saved in parts "
                    "(save --engine xash3d). The exit status is 0 when no check found a problem, else 1.");
    return [command, modFolder] { return command->parsed() ? runCheck(*modFolder) : -1; };
}

} // namespace jukewright::cli
