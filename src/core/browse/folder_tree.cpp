#include "core/browse/folder_tree.h"

#include "core/steam/steam_libraries.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lowerLess = [](char x, char y) { return lowerAscii(x) < lowerAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess))
        return false;
    return a < b;
}

// "/home/ann/" and "/home/ann" are one folder; the root keeps its separator.
fs::path withoutTrailingSeparator(fs::path path) {
    path = path.lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path;
}

// The mount table writes a space as "\040", a tab as "\011" and so on.
std::string undoOctalEscapes(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool escape = field[i] == '\\' && i + 3 < field.size() &&
                            std::all_of(field.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        field.begin() + static_cast<std::ptrdiff_t>(i) + 4,
                                        [](char c) { return c >= '0' && c <= '7'; });
        if (escape) {
            out.push_back(
                static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

bool isMediaMount(const std::string& mountPoint) {
    for (std::string_view top : {"/media", "/run/media", "/mnt"}) {
        if (mountPoint == top || (mountPoint.starts_with(top) && mountPoint[top.size()] == '/'))
            return true;
    }
    return false;
}

bool startsFolder(const std::string& root, const std::string& folder) {
    if (!folder.starts_with(root))
        return false;
    if (folder.size() == root.size() || root.ends_with('/') || root.ends_with('\\'))
        return true;
    return folder[root.size()] == '/' || folder[root.size()] == '\\';
}

} // namespace

FolderListing listSubfolders(const std::string& folder) {
    FolderListing listing;
    fs::directory_iterator it(utf8Path(folder), listing.error);
    for (; !listing.error && it != fs::directory_iterator(); it.increment(listing.error)) {
        std::error_code statusError;
        if (it->is_directory(statusError))
            listing.subfolders.push_back(pathUtf8(it->path()));
    }
    std::sort(listing.subfolders.begin(), listing.subfolders.end(), lessIgnoringCase);
    return listing;
}

std::vector<std::string> folderChain(const std::string& folder) {
    std::vector<std::string> chain;
    for (fs::path path = withoutTrailingSeparator(utf8Path(folder)); !path.empty(); path = path.parent_path()) {
        chain.push_back(pathUtf8(path));
        if (path == path.parent_path())
            break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

std::string folderLabel(const std::string& folder) {
    const fs::path path = withoutTrailingSeparator(utf8Path(folder));
    return path.has_filename() ? pathUtf8(path.filename()) : pathUtf8(path);
}

std::string browseStartFolder(const std::string& home, const std::string& workingFolder) {
#ifdef _WIN32
    (void)home;
    const std::vector<std::string> steamFolders = systemSteamFolders();
#else
    const std::vector<std::string> steamFolders = posixSteamFolders(home);
#endif
    for (const std::string& steamFolder : steamFolders) {
        const std::string steamApps = entryAnyCase(steamFolder, "steamapps");
        if (!steamApps.empty() && isFolder(steamApps))
            return steamApps;
    }
    return workingFolder;
}

std::vector<std::string> parseMountPoints(std::string_view mountTable) {
    std::vector<std::string> points;
    for (const std::string& row : splitRows(mountTable, LineEnds::Any)) {
        // Fields: device, mount point, type, options, ...
        const std::size_t first = row.find(' ');
        if (first == std::string::npos)
            continue;
        const std::size_t second = row.find(' ', first + 1);
        points.push_back(undoOctalEscapes(std::string_view(row).substr(first + 1, second - first - 1)));
    }
    return points;
}

std::vector<std::string> reachableRoots(const std::string& home, const std::vector<std::string>& mountPoints) {
    std::vector<std::string> roots{"/"};
    const auto add = [&roots](const std::string& root) {
        if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end())
            roots.push_back(root);
    };
    add(home);
    for (const std::string& point : mountPoints) {
        if (isMediaMount(point))
            add(point);
    }
    return roots;
}

std::vector<std::string> systemRoots(const std::string& home) {
#ifdef _WIN32
    (void)home;
    return logicalDriveRoots();
#else
    const FileContent table = readFileBytes("/proc/self/mounts");
    return reachableRoots(home, parseMountPoints(table.bytes));
#endif
}

std::size_t rootIndexFor(const std::vector<std::string>& roots, const std::string& folder) {
    std::size_t best = 0, bestLength = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (startsFolder(roots[i], folder) && roots[i].size() > bestLength) {
            best = i;
            bestLength = roots[i].size();
        }
    }
    return best;
}

Message unreadableFolderMessage(const std::string& folder, std::error_code error) {
    return {"This folder could not be opened:\n" + folder + " (" + describeError(error) + ")", TitleError,
            MessageIcon::Stop};
}

} // namespace jukewright
