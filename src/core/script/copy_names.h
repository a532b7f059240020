#pragma once

#include "core/app_state.h"

#include <string>
#include <vector>

namespace jukewright {

// The file name of every track of the list inside "mp3s", given once so that the script and the
// copy always agree. A track whose console-safe name is empty is called "track<k>.mp3". Different
// source files never share a name (letter case ignored, as Windows file systems do): a later one
// gets the lowest free number before its extension. The same source file keeps one name.
std::vector<std::string> assignCopyNames(const AppState& state);

} // namespace jukewright
