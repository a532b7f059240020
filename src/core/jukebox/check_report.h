#pragma once

#include "core/jukebox/jukebox_check.h"
#include "core/message.h"

#include <optional>
#include <string>

namespace jukewright {

// What the window's jukebox check asks of the mod-folder box: the folder to check, or the message the
// save gives for the same box, so a box the save would refuse is refused with the same words.
struct CheckRequest {
    std::string modFolder;
    std::optional<Message> refusal;
};

// An empty box is no mod folder; a box naming no folder is a folder not found. One trailing separator
// is dropped, as the save drops it.
CheckRequest checkRequestFor(std::string modFolderText);

// The word a result line starts with: "OK", "Warning" or "Problem".
const char* severityWord(CheckSeverity severity);

// One line for the whole check: how many results were problems and warnings.
std::string checkSummary(const std::vector<CheckResult>& results);

} // namespace jukewright
