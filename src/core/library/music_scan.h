#pragma once

#include "core/library/media_library.h"
#include "core/system/file_tags.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace jukewright {

struct ScanCounts {
    std::size_t filesRead = 0;
    std::size_t foldersSkipped = 0; // folders below the music folder that could not be read

    bool operator==(const ScanCounts&) const = default;
};

// The one line that says why the music folder cannot be listed, or none when it can.
std::optional<std::string> musicFolderProblem(const std::string& folder);

// Reads every MP3 file below the music folder (a name ending in ".mp3", any case) and hands each on
// with its artist and album and the counts so far, folder by folder in name order. Links to folders are followed, each
// folder walked once; hidden folders (a name starting with ".") are left out; a folder that cannot be read is skipped
// and counted. Stops early when `stop` is requested.
ScanCounts scanMusicFolder(const std::string& folder, TagReader& reader,
                           const std::function<void(LibraryTrack, const ScanCounts&)>& found,
                           std::stop_token stop = {});

} // namespace jukewright
