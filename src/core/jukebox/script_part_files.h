#pragma once

#include "core/file_failure.h"

#include <string>
#include <vector>

namespace jukewright {

// The numbers of the script parts in the mod folder: entries named exactly "mp3_part<N>.cfg" that
// are files or links (never folders), in increasing order.
std::vector<int> scriptPartsInFolder(const std::string& modFolder);

// Deletes the script parts numbered above `keep` (a link is unlinked, never followed), so that no
// part of an earlier save lies about. Returns the names deleted; what could not be deleted is added
// to `failures`.
std::vector<std::string> removeScriptPartsAbove(const std::string& modFolder, int keep, FileFailures& failures);

} // namespace jukewright
