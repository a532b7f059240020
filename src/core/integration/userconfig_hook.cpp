#include "core/integration/userconfig_hook.h"

#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/text_rows.h"

#include <algorithm>

namespace jukewright {

std::optional<FileFailure> HookUserConfig(const std::string& modFolder) {
    const std::string path = modFolder + "\\userconfig.cfg";
    std::string text;
    if (FileExists(path)) {
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
    if (const std::error_code error = replaceFileAtomically(path, text))
        return FileFailure{path, describeError(error)};
    return std::nullopt;
}

} // namespace jukewright
