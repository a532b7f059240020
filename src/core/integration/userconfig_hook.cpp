#include "core/integration/userconfig_hook.h"

#include "core/system/file_backup.h"
#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/text_rows.h"

#include <algorithm>

namespace jukewright {

std::optional<FileFailure> HookUserConfig(const std::string& modFolder) {
    const std::string path = modFolder + "\\userconfig.cfg";
    std::string text;
    const bool playersFile = FileExists(path);
    if (playersFile) {
        const FileRows existing = readTextRows(path, LineEnds::System);
        // Writing after a failed read would replace the player's own settings with our one row.
        if (existing.error)
            return FileFailure{path, describeError(existing.error)};
        if (std::ranges::find(existing.rows, UserConfigHookRow) != existing.rows.end())
            return std::nullopt;
        for (const std::string& row : existing.rows)
            text.append(row).append("\r\n");
    }
    text.append(UserConfigHookRow).append("\r\n");
    if (const std::error_code error = playersFile ? keepBackup(path) : std::error_code())
        return FileFailure{backupPath(path), describeError(error)};
    if (const std::error_code error = replaceFileAtomically(path, text))
        return FileFailure{path, describeError(error)};
    return std::nullopt;
}

std::string userConfigWithoutHook(std::string_view bytes) {
    std::string kept;
    kept.reserve(bytes.size());
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        std::size_t next = end;
        if (end == std::string_view::npos)
            end = next = bytes.size();
        else
            next += bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        if (bytes.substr(start, end - start) != UserConfigHookRow)
            kept.append(bytes.substr(start, next - start));
        start = next;
    }
    return kept;
}

} // namespace jukewright
