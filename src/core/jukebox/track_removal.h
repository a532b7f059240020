#pragma once

#include "core/jukebox/jukebox_removal.h"

#include <string>

namespace jukewright {

// Deletes the copies in the mod folder's mp3s that are ours by the list of copies, then the list
// (or keeps the rows of the copies that could not be deleted), then mp3s itself when nothing is left
// in it and it is a folder of its own (a link to the player's folder stays). Names what it kept.
void removeTrackCopies(const std::string& modFolder, RemovalReport& report);

} // namespace jukewright
