#pragma once

#include "core/file_failure.h"

#include <string>
#include <vector>

namespace jukewright {

// What taking a jukebox out of a mod did, one sentence per change, what it kept on purpose (the
// player's files), and what it could not do.
struct RemovalReport {
    std::vector<std::string> done;
    std::vector<std::string> kept;
    FileFailures failures;
    // Said before the rest: why nothing was done (another run held the folder), or a warning.
    std::string stopped;
    std::vector<std::string> warnings;
};

// Takes the jukebox out of the mod folder: the controls section out of gfx/shell/kb_act.lst, the
// "exec mp3.cfg" rows out of userconfig.cfg (each first kept as its backup, see keepBackup) and
// mp3.cfg and its parts (mp3_part<N>.cfg) deleted when they are a Jukewright script (see
// findJukeboxScriptFiles; a player's own mp3.cfg is named and kept). With `tracks`, the copies the list
// of copies names (see copy_list.h) are deleted while they are as copied, then the list, then mp3s
// when it is left empty; a linked mp3s stays linked, and every file of the player's is named and kept.
// Files are rewritten atomically; a read-only file is reported and kept.
RemovalReport removeJukebox(const std::string& modFolder, bool tracks);

} // namespace jukewright
