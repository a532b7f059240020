#include "core/jukebox/jukebox_script_files.h"

#include "core/jukebox/script_part_files.h"
#include "core/script/script_parts.h"
#include "core/script/script_text.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <optional>

namespace jukewright {

namespace {

// Far above the largest script a save writes: a larger file is not ours and is not read.
constexpr std::uint64_t LargestScript = std::uint64_t{16} << 20;

// The rows of a script file, without empty ones; nothing when it cannot be read or is too large.
std::optional<std::vector<std::string>> scriptRows(const std::string& path) {
    const auto stamp = regularFileStamp(fsPath(path), true);
    if (!stamp || stamp->size > LargestScript)
        return std::nullopt;
    const FileContent content = readFileBytes(path);
    if (content.error)
        return std::nullopt;
    std::vector<std::string> rows = splitRows(content.bytes, LineEnds::Any);
    std::erase_if(rows, [](const std::string& row) { return row.empty(); });
    return rows;
}

bool holdsNotice(const std::vector<std::string>& rows) {
    return std::ranges::find(rows, ScriptLoadedNotice) != rows.end();
}

std::string execRow(int part) {
    std::string row = scriptPartExecRow(part);
    row.resize(row.size() - 2); // without its CR LF
    return row;
}

// Follows the parts from mp3_part1.cfg while each ends by running the next; a part is visited once.
std::vector<int> partChain(const std::string& modFolder) {
    const std::vector<int> present = scriptPartsInFolder(modFolder);
    std::vector<int> chain;
    for (int part = 1; std::ranges::binary_search(present, part) && chain.size() < present.size(); ++part) {
        const auto rows = scriptRows(modFolder + "\\" + scriptPartName(part));
        if (!rows)
            return {};
        chain.push_back(part);
        if (holdsNotice(*rows))
            return chain;
        if (rows->empty() || rows->back() != execRow(part + 1))
            return {};
    }
    return {};
}

} // namespace

JukeboxScriptFiles findJukeboxScriptFiles(const std::string& modFolder) {
    JukeboxScriptFiles found;
    found.parts = partChain(modFolder);
    if (const auto rows = scriptRows(modFolder + "\\mp3.cfg"))
        found.script = holdsNotice(*rows) || (!found.parts.empty() && *rows == std::vector<std::string>{execRow(1)});
    return found;
}

} // namespace jukewright
