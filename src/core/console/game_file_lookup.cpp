#include "core/console/game_file_lookup.h"

#include "core/console/console_tokenizer.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace jukewright {

namespace {

std::string entryName(const std::filesystem::directory_entry& entry) {
    return pathUtf8(entry.path().filename());
}

// The name in `folder` that equals `name` ignoring ASCII letter case; the exact name first.
std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code error;
    if (std::filesystem::exists(fsPath(folder + "\\" + name), error))
        return name;
    const std::string key = nameKey(name);
    for (std::filesystem::directory_iterator entries(fsPath(folder), error), end; !error && entries != end;
         entries.increment(error))
        if (const std::string found = entryName(*entries); nameKey(found) == key)
            return found;
    return std::nullopt;
}

bool isInvalidExecPath(std::string_view name) {
    return name.find_first_of("\\:~") != std::string_view::npos || name.find("..") != std::string_view::npos ||
           name.starts_with('/');
}

bool hasConfigExtension(std::string_view name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string extension = nameKey(name.substr(dot + 1));
    return extension == "cfg" || extension == "rc";
}

std::optional<std::string> engineFileSystemPath(const std::string& modFolder, std::string_view relative) {
    if (engineFileSystemRefuses(relative))
        return std::nullopt;
    std::string path = modFolder;
    for (std::size_t start = 0; start <= relative.size();) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        if (end > start) {
            const auto found = findIgnoringCase(path, std::string(relative.substr(start, end - start)));
            if (!found)
                return std::nullopt;
            path += "\\" + *found;
        }
        start = end + 1;
    }
    return path;
}

} // namespace

std::optional<std::string> gameFilePath(const std::string& modFolder, std::string_view relative, FileLookup lookup) {
    if (lookup == FileLookup::EngineFileSystem)
        return engineFileSystemPath(modFolder, relative);
    return modFolder + "\\" + std::string(relative);
}

bool engineFileSystemRefuses(std::string_view path) {
    return path.empty() || path.find("..") != std::string_view::npos ||
           path.find_first_of(":\\") != std::string_view::npos;
}

std::optional<std::string> execRefusal(std::string_view name, const EngineRules& rules) {
    if (rules.execNames == ExecNames::AddsCfgExtension)
        return engineFileSystemRefuses(name) ? std::optional<std::string>("invalid path") : std::nullopt;
    if (isInvalidExecPath(name))
        return "invalid path";
    if (!hasConfigExtension(name))
        return "not a .cfg or .rc file";
    return std::nullopt;
}

std::string execFileName(std::string_view name, const EngineRules& rules) {
    if (rules.execNames == ExecNames::AddsCfgExtension && !hasExtension(name))
        return std::string(name) + ".cfg";
    return std::string(name);
}

bool hasExtension(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return path.find('.', slash == std::string_view::npos ? 0 : slash + 1) != std::string_view::npos;
}

bool isInsideModFolder(const std::string& modFolder, const std::string& path) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(fsPath(modFolder), error);
    if (error)
        return false;
    const std::filesystem::path file = std::filesystem::weakly_canonical(fsPath(path), error);
    if (error)
        return false;
    const auto [folderEnd, fileAt] = std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
    return folderEnd == folder.end() && fileAt != file.end();
}

} // namespace jukewright
