#pragma once

#include <string>
#include <vector>

namespace jukewright {

// The MP3 files inside a folder a player dropped on the list, in the order a player reads them:
// depth first, each folder's files before its subfolders, both in name order ignoring the case of
// ASCII letters. Hidden folders (a name starting with ".") are skipped, and a folder reached twice
// through links is walked once. Playlists inside are not imported: the player dropped a folder of
// tracks. Paths are the system's own, UTF-8; a folder that cannot be read adds nothing.
std::vector<std::string> mp3FilesInFolder(const std::string& folder);

// A name ending in ".mp3", in any case (Windows players often write ".MP3").
bool hasMp3Ending(const std::string& path);

} // namespace jukewright
