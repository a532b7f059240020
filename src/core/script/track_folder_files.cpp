#include "core/script/track_folder_files.h"

#include "core/script/copy_names.h"
#include "core/system/native_path.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

std::string utf8Name(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

} // namespace

TrackFolderFiles TrackFolderFiles::read(const std::string& modFolder) {
    TrackFolderFiles files;
    files.m_trackFolder = modFolder + "\\mp3s";
    std::unordered_map<std::string, const CopyRecord*> listed;
    const std::vector<CopyRecord> records = readCopyList(modFolder);
    for (const CopyRecord& record : records)
        listed[record.name] = &record; // a name listed twice: the later row holds
    std::error_code error;
    const fs::path folder = fsPath(files.m_trackFolder);
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = utf8Name(entry->path());
        const auto record = listed.find(name);
        if (record != listed.end() && regularFileStamp(entry->path(), false) == record->second->stamp) {
            files.m_ourByName.emplace(name, files.m_ours.size());
            files.m_ours.push_back(*record->second);
        } else {
            files.m_players.insert(foldAsciiCase(name));
        }
    }
    return files;
}

bool TrackFolderFiles::isPlayers(const std::string& name) const {
    return m_players.contains(foldAsciiCase(name));
}

bool TrackFolderFiles::isSourceItself(const std::string& name, const std::string& source) const {
    const auto held = regularFileIdentity(fsPath(m_trackFolder + "\\" + name), false);
    return held && held == regularFileIdentity(sourceFsPath(source), true);
}

const CopyRecord* TrackFolderFiles::ours(const std::string& name) const {
    const auto found = m_ourByName.find(name);
    return found == m_ourByName.end() ? nullptr : &m_ours[found->second];
}

std::string listedSource(const std::string& trackPath) {
    std::error_code error;
    const fs::path source = sourceFsPath(trackPath);
    const fs::path absolute = fs::absolute(source, error);
    const std::u8string text = (error ? source : absolute).u8string();
    return std::string(text.begin(), text.end());
}

} // namespace jukewright
