#include "core/jukebox/track_removal.h"

#include "core/jukebox/copy_list.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

// So many names fit one message; more are counted.
constexpr std::size_t NamedEntries = 10;

std::vector<std::string> entryNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        names.push_back(pathUtf8(entry->path().filename()));
    }
    std::ranges::sort(names);
    return names;
}

std::string keptMessage(const std::vector<std::string>& names, bool listed) {
    std::string text = "kept mp3s and the " + std::to_string(names.size()) + (names.size() == 1 ? " file" : " files") +
                       " in it that Jukewright did not copy";
    if (!listed)
        text += " (there is no list of the copies it made, " + std::string(CopyListName) +
                ", so every file there counts as the player's)";
    text += ": ";
    for (std::size_t i = 0; i < names.size() && i < NamedEntries; ++i)
        text += (i ? ", " : "") + names[i];
    if (names.size() > NamedEntries)
        text += " and " + std::to_string(names.size() - NamedEntries) + " more";
    return text;
}

// Deletes each listed copy that still is as it was copied; returns the rows of those that could
// not be deleted.
std::vector<CopyRecord> deleteListedCopies(const std::string& trackFolder, const std::vector<CopyRecord>& records,
                                           RemovalReport& report) {
    std::vector<CopyRecord> left;
    std::size_t deleted = 0;
    for (const CopyRecord& record : records) {
        const std::string path = trackFolder + "\\" + record.name;
        if (regularFileStamp(fsPath(path), false) != record.stamp)
            continue;
        std::error_code error = replaceableTarget(fsPath(path));
        if (!error)
            fs::remove(fsPath(path), error);
        if (error) {
            report.failures.push_back({path, describeError(error)});
            left.push_back(record);
        } else {
            ++deleted;
        }
    }
    if (deleted > 0)
        report.done.push_back("deleted the " + std::to_string(deleted) + (deleted == 1 ? " track" : " tracks") +
                              " Jukewright copied into mp3s");
    return left;
}

void updateList(const std::string& modFolder, const std::vector<CopyRecord>& left, RemovalReport& report) {
    const fs::path list = fsPath(copyListPath(modFolder));
    std::error_code error;
    std::error_code absent;
    if (!left.empty())
        error = writeCopyList(modFolder, left);
    else if (fs::exists(fs::symlink_status(list, absent)))
        fs::remove(list, error);
    if (error)
        report.failures.push_back({copyListPath(modFolder), describeError(error)});
}

} // namespace

void removeTrackCopies(const std::string& modFolder, RemovalReport& report) {
    const std::string trackFolder = modFolder + "\\mp3s";
    const fs::path folder = fsPath(trackFolder);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    std::error_code absent;
    const bool listed = fs::exists(fs::symlink_status(fsPath(copyListPath(modFolder)), absent));
    if (!fs::exists(status)) {
        updateList(modFolder, {}, report);
        return;
    }
    if (!fs::is_directory(fs::status(folder, error))) {
        report.failures.push_back({trackFolder, describeError(make_error_code(FileError::NotFolder))});
        return;
    }
    removeStrayTemporaries(folder);
    updateList(modFolder, deleteListedCopies(trackFolder, readCopyList(modFolder), report), report);
    const std::vector<std::string> left = entryNames(folder);
    if (!left.empty()) {
        report.kept.push_back(keptMessage(left, listed));
    } else if (fs::is_symlink(status)) {
        report.kept.push_back("kept the link mp3s and the folder it leads to");
    } else if (fs::remove(folder, error)) {
        report.done.push_back("deleted the empty mp3s folder");
    } else if (error) {
        report.failures.push_back({trackFolder, describeError(error)});
    }
}

} // namespace jukewright
