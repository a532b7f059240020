#pragma once

#include "core/system/file_io.h"
#include "core/system/file_queries.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace jukewright {

// The list of the copies this program made in "mp3s", kept in the mod folder. A file in "mp3s" is
// ours only while the list names it with the size and time it had when it was copied; every other
// file there is the player's, never replaced and never deleted.
inline constexpr std::string_view CopyListName = ".jukewright-copies";

struct CopyRecord {
    std::string name;   // the copy's file name in "mp3s"
    FileStamp stamp;    // its size and modification time once copied
    std::string source; // the absolute path of the track it was copied from

    bool operator==(const CopyRecord&) const = default;
};

// True for a name a copy may have: printable ASCII without separators or characters Windows refuses,
// not starting with a dot, at most MaxCopyNameBytes long. A row naming anything else (a path that leads
// out of "mp3s") is damage.
bool isCopyName(std::string_view name);

// The rows of a list; a damaged row is left out, as if it were absent.
std::vector<CopyRecord> parseCopyList(std::string_view bytes);
std::string copyListBytes(const std::vector<CopyRecord>& records);

// The mod folder's list; empty when it is missing, is not a regular file (a link is not followed) or
// is too large to be ours.
std::vector<CopyRecord> readCopyList(const std::string& modFolder);
// Writes the list atomically, as every file of the save.
std::error_code writeCopyList(const std::string& modFolder, const std::vector<CopyRecord>& records);
std::string copyListPath(const std::string& modFolder);

} // namespace jukewright
