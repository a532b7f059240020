#pragma once

#include "core/console/engine_rules.h"
#include "core/script_layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace jukewright {

enum class CheckSeverity {
    Ok,
    Warning, // works in the game this program aims at, not in every engine
    Problem, // the jukebox does not work as saved
};

// One thing checked: what it was (a short, stable word such as "tracks"), how it went and a sentence
// for the player.
struct CheckResult {
    std::string kind;
    CheckSeverity severity = CheckSeverity::Ok;
    std::string text;
};

// Loads the jukebox of the mod folder in the game console, as the game does at start, and checks
// it: first the engine it is judged by, then the hook, the controls section, the tracks and their
// files, the chat announcements, the start-up volumes and the bytes of the script and of the parts
// it runs (a "parts" result only when it runs parts). Then, for Xash3D-based engines: whether the
// jukebox loads in their console ("xash3d load") and whether its play and loop paths are found
// there ("xash3d paths"); those are warnings for a single mp3.cfg judged by Half-Life's console, and
// problems for a script in parts or one judged by Xash3D's. No file is read past
// MaxConsoleFileBytes. One result per check, in that order.
// The engine is the one detected from the mod folder (see detectEngine).
std::vector<CheckResult> checkJukebox(const std::string& modFolder);
// The same, judged by the engine given.
std::vector<CheckResult> checkJukebox(const std::string& modFolder, Engine engine);

} // namespace jukewright
