#include "core/jukebox/script_part_files.h"

#include "core/script/script_parts.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace jukewright {

std::vector<int> scriptPartsInFolder(const std::string& modFolder) {
    std::vector<int> numbers;
    std::error_code error;
    for (fs::directory_iterator entry(fsPath(modFolder), error), end; !error && entry != end; entry.increment(error)) {
        const auto number = scriptPartNumber(entry->path().filename().string());
        std::error_code statusError;
        const fs::file_status status = entry->symlink_status(statusError);
        if (number && !statusError && (fs::is_regular_file(status) || fs::is_symlink(status)))
            numbers.push_back(*number);
    }
    std::ranges::sort(numbers);
    return numbers;
}

std::vector<std::string> removeScriptPartsAbove(const std::string& modFolder, int keep, FileFailures& failures) {
    std::vector<std::string> removed;
    for (const int number : scriptPartsInFolder(modFolder)) {
        if (number <= keep)
            continue;
        const std::string name = scriptPartName(number);
        const std::string path = modFolder + "\\" + name;
        // A part whose write bit the player cleared is kept and reported, as every protected file.
        std::error_code error = replaceableTarget(fsPath(path));
        if (!error)
            fs::remove(fsPath(path), error);
        if (error)
            failures.push_back({path, describeError(error)});
        else
            removed.push_back(name);
    }
    return removed;
}

} // namespace jukewright
