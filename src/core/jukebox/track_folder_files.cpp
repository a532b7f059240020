#include "core/jukebox/track_folder_files.h"

#include "core/script/copy_names.h"
#include "core/system/ascii_case.h"
#include "core/system/folder_entries.h"
#include "core/system/native_path.h"

#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace jukewright {

TrackFolderFiles TrackFolderFiles::read(const std::string& modFolder) {
    TrackFolderFiles files;
    files.m_trackFolder = modFolder + "\\mp3s";
    std::unordered_map<std::string_view, const CopyRecord*> listed;
    const std::vector<CopyRecord> records = readCopyList(modFolder);
    for (const CopyRecord& record : records)
        listed[record.name] = &record; // a name listed twice: the later row holds
    const auto isListed = [&](std::string_view name) { return listed.contains(name); };
    std::optional<std::vector<FolderEntry>> entries = folderEntries(fsPath(files.m_trackFolder), isListed);
    files.m_unread = !entries;
    if (!entries)
        return files;
    for (FolderEntry& entry : *entries) {
        std::string folded = foldAsciiCase(entry.name);
        const auto record = listed.find(entry.name);
        if (record != listed.end() && entry.stamp == record->second->stamp) {
            if (entry.identity)
                files.m_ourIdentities.emplace(entry.name, *entry.identity);
            files.m_ourByName.emplace(std::move(entry.name), files.m_ours.size());
            files.m_ours.push_back(*record->second);
        } else {
            files.m_players.insert(folded);
        }
        files.m_entries.insert(std::move(folded));
    }
    return files;
}

bool TrackFolderFiles::isPlayers(const std::string& name) const {
    if (m_players.contains(foldAsciiCase(name)))
        return true;
    // A folder that cannot be listed may still be written to: whatever is there is the player's.
    std::error_code error;
    return m_unread && fs::exists(fs::symlink_status(fsPath(m_trackFolder + "\\" + name), error));
}

bool TrackFolderFiles::isSourceItself(const std::string& name, const std::string& source) const {
    const auto held = regularFileIdentity(fsPath(m_trackFolder + "\\" + name), false);
    return held && held == regularFileIdentity(sourceFsPath(source), true);
}

std::optional<FileIdentity> TrackFolderFiles::fileAt(const std::string& name) const {
    if (const auto known = m_ourIdentities.find(name); known != m_ourIdentities.end())
        return known->second;
    // Asked of the system only when something by the name (in any case) is there.
    if (!m_unread && !m_entries.contains(foldAsciiCase(name)))
        return std::nullopt;
    return regularFileIdentity(fsPath(m_trackFolder + "\\" + name), false);
}

const CopyRecord* TrackFolderFiles::ours(const std::string& name) const {
    const auto found = m_ourByName.find(name);
    return found == m_ourByName.end() ? nullptr : &m_ours[found->second];
}

std::string listedSource(const std::string& trackPath) {
    std::error_code error;
    const fs::path source = sourceFsPath(trackPath);
    const fs::path absolute = fs::absolute(source, error);
    return pathUtf8(error ? source : absolute);
}

} // namespace jukewright
