#pragma once

#include "core/jukebox/copy_list.h"
#include "core/script/copy_names.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace jukewright {

// What a save finds in "mp3s" before it copies: the copies of earlier saves that still have their
// listed size and time (ours, by the list of copies), and the names held by everything else there
// (the player's, whatever it is: a file, a folder, a link).
class TrackFolderFiles : public PlayersNames {
public:
    TrackFolderFiles() = default;
    // Reads the mod folder's list of copies and the entries of its "mp3s" (a linked "mp3s" is followed).
    static TrackFolderFiles read(const std::string& modFolder);

    // Whether something of the player's holds the name, ASCII case ignored.
    bool isPlayers(const std::string& name) const override;
    // Whether the player's file by exactly this name is the track's source itself (then the track is
    // its own copy, in place).
    bool isSourceItself(const std::string& name, const std::string& source) const override;
    // Our copy by exactly this name, or null.
    const CopyRecord* ours(const std::string& name) const;
    const std::vector<CopyRecord>& ourCopies() const { return m_ours; }
    // The identity of the regular file by this name (not through a link), or nothing when there is none.
    std::optional<FileIdentity> fileAt(const std::string& name) const;

private:
    std::string m_trackFolder;
    bool m_unread = false;                     // the folder is there but could not be listed
    std::unordered_set<std::string> m_players; // names with ASCII letters in lower case
    std::unordered_set<std::string> m_entries; // every entry's name, ASCII letters in lower case
    std::vector<CopyRecord> m_ours;
    std::unordered_map<std::string, std::size_t> m_ourByName;
    std::unordered_map<std::string, FileIdentity> m_ourIdentities;
};

// The absolute path a copy's source is listed by.
std::string listedSource(const std::string& trackPath);

} // namespace jukewright
