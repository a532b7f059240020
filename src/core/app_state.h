#pragma once

#include "core/script_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jukewright {

// The shared state of the running program: one instance, created empty at start and passed by
// reference to whatever needs it.
struct AppState {
    static constexpr int MaxTracks = 10000;
    static constexpr int MaxModFolders = 100;

    // Fixed tables: entries at and above the count hold empty strings.
    std::vector<std::string> TrackPaths = std::vector<std::string>(MaxTracks);
    std::vector<std::string> TrackNames = std::vector<std::string>(MaxTracks);
    std::int16_t TrackCount = 0;

    std::vector<std::string> ModFolders = std::vector<std::string>(MaxModFolders);
    std::int16_t ModFolderCount = 0;

    std::int16_t Language = 0;
    std::int16_t FreeTrackOffered = 0;
    std::int16_t Mp3Volume = 80;
    std::int16_t GameVolume = 80;

    // Not stored in the settings file, whose records are fixed; the window keeps it elsewhere.
    ScriptLayout Layout = ScriptLayout::SingleFile;

    std::string SystemFolder;
    std::string MusicFolder;
    std::string FontsFolder;

    // Working folder of the M3U importer while it resolves one entry.
    std::string M3uBaseFolder;
};

} // namespace jukewright
