#include "core/playlist/folder_tracks.h"

#include "core/system/native_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string_view>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

bool lessAnyCase(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    const bool less = std::ranges::lexicographical_compare(a, b, {}, lower, lower);
    const bool greater = std::ranges::lexicographical_compare(b, a, {}, lower, lower);
    // Names that differ in case alone keep one order from run to run.
    return less || (!greater && a < b);
}

struct FolderEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

FolderEntries readFolder(const fs::path& folder) {
    FolderEntries entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = pathUtf8(it->path().filename());
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            if (!name.starts_with('.'))
                entries.folders.push_back(name);
        } else if (it->is_regular_file(typeError) && hasMp3Ending(name)) {
            entries.files.push_back(name);
        }
    }
    std::ranges::sort(entries.files, lessAnyCase);
    std::ranges::sort(entries.folders, lessAnyCase);
    return entries;
}

void walk(const std::string& folder, std::set<fs::path>& walked, std::vector<std::string>& tracks) {
    std::error_code error;
    const fs::path real = fs::canonical(utf8Path(folder), error);
    if (error || !walked.insert(real).second)
        return;
    const FolderEntries entries = readFolder(utf8Path(folder));
    for (const std::string& file : entries.files)
        tracks.push_back(pathUtf8(utf8Path(folder) / utf8Path(file)));
    for (const std::string& subfolder : entries.folders)
        walk(pathUtf8(utf8Path(folder) / utf8Path(subfolder)), walked, tracks);
}

} // namespace

bool hasMp3Ending(const std::string& path) {
    constexpr std::string_view ending = ".mp3";
    return path.size() >= ending.size() &&
           std::ranges::equal(std::string_view(path).substr(path.size() - ending.size()), ending,
                              [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::vector<std::string> mp3FilesInFolder(const std::string& folder) {
    std::vector<std::string> tracks;
    std::set<fs::path> walked;
    walk(folder, walked, tracks);
    return tracks;
}

} // namespace jukewright
