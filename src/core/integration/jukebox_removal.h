#pragma once

#include "core/file_failure.h"

#include <string>
#include <vector>

namespace jukewright {

// What taking a jukebox out of a mod did, one sentence per change, and what it could not do.
struct RemovalReport {
    std::vector<std::string> done;
    FileFailures failures;
    // Said before the rest: why nothing was done (another run held the folder), or a warning.
    std::string stopped;
    std::vector<std::string> warnings;
};

// Takes the jukebox out of the mod folder: the controls section out of gfx/shell/kb_act.lst, the
// "exec mp3.cfg" rows out of userconfig.cfg (each first kept as its backup, see keepBackup) and
// mp3.cfg and its parts (mp3_part<N>.cfg) deleted. With `tracks`, the mp3s folder goes too (a link named mp3s is
// unlinked, never followed). Files are rewritten atomically; a read-only file is reported and kept.
RemovalReport removeJukebox(const std::string& modFolder, bool tracks);

} // namespace jukewright
