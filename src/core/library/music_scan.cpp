#include "core/library/music_scan.h"

#include "core/playlist/folder_tracks.h"
#include "core/system/file_error.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

struct Walk {
    TagReader& reader;
    const std::function<void(LibraryTrack, const ScanCounts&)>& found;
    std::stop_token stop;
    std::set<fs::path> walked;
    ScanCounts counts;
};

struct Entries {
    std::vector<fs::path> files;
    std::vector<fs::path> folders;
};

// Hidden names are left out: a player keeps no music there, and "._x.mp3" beside a track on a
// stick formatted elsewhere is no MP3 at all.
std::optional<Entries> readFolder(const fs::path& folder) {
    Entries entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (fs::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = pathUtf8(it->path().filename());
        std::error_code typeError;
        if (name.starts_with('.'))
            continue;
        if (it->is_directory(typeError))
            entries.folders.push_back(it->path());
        else if (it->is_regular_file(typeError) && hasMp3Ending(name))
            entries.files.push_back(it->path());
    }
    if (error)
        return std::nullopt;
    // In name order, whatever order the file system keeps: a name spelled two ways is shown as the
    // first file spells it, the same on every system and at every scan.
    std::ranges::sort(entries.files);
    std::ranges::sort(entries.folders);
    return entries;
}

void walkFolder(Walk& walk, const fs::path& folder, std::vector<std::string>& relative) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (walk.stop.stop_requested() || (!error && !walk.walked.insert(real).second))
        return;
    const std::optional<Entries> entries = readFolder(folder);
    if (error || !entries) {
        ++walk.counts.foldersSkipped;
        return;
    }
    for (const fs::path& file : entries->files) {
        if (walk.stop.stop_requested())
            return;
        const std::string path = pathUtf8(file);
        LibraryTrack track = libraryTrack(path, relative, walk.reader.read(path));
        ++walk.counts.filesRead;
        walk.found(std::move(track), walk.counts);
    }
    for (const fs::path& subfolder : entries->folders) {
        relative.push_back(pathUtf8(subfolder.filename()));
        walkFolder(walk, subfolder, relative);
        relative.pop_back();
    }
}

} // namespace

std::optional<std::string> musicFolderProblem(const std::string& folder) {
    if (folder.empty())
        return std::string("This system names no music folder.");
    std::error_code error;
    const fs::file_status status = fs::status(utf8Path(folder), error);
    if (!fs::exists(status))
        return "The music folder " + folder + " does not exist.";
    if (!fs::is_directory(status))
        return "The music folder " + folder + " is not a folder.";
    fs::directory_iterator listing(utf8Path(folder), error);
    if (error)
        return "The music folder " + folder + " cannot be read: " + describeError(error);
    return std::nullopt;
}

ScanCounts scanMusicFolder(const std::string& folder, TagReader& reader,
                           const std::function<void(LibraryTrack, const ScanCounts&)>& found, std::stop_token stop) {
    Walk walk{reader, found, std::move(stop), {}, {}};
    std::vector<std::string> relative;
    walkFolder(walk, utf8Path(folder), relative);
    return walk.counts;
}

} // namespace jukewright
