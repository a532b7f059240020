#include "core/integration/userconfig_hook.h"

#include "core/system/file_backup.h"
#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/text_rows.h"

#include <algorithm>

namespace jukewright {

std::optional<std::size_t> hookRowOffset(std::string_view bytes) {
    const std::string_view hook = UserConfigHookRow;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view row = bytes.substr(start, end - start);
        if (row.ends_with('\r'))
            row.remove_suffix(1);
        if (row == hook)
            return start;
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::size_t> nulLineBeforeHook(std::string_view bytes, const EngineRules& rules) {
    const std::size_t nul = bytes.find('\0');
    const auto hook = hookRowOffset(bytes);
    const bool fits = bytes.size() + 2 < rules.commandBufferSize;
    if (!rules.nulEndsFile || !fits || !hook || nul > *hook)
        return std::nullopt;
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nul), '\n')) +
           1;
}

std::optional<FileFailure> HookUserConfig(const std::string& modFolder) {
    const std::string path = modFolder + "\\userconfig.cfg";
    std::string text;
    const bool playersFile = FileExists(path);
    if (playersFile) {
        FileContent existing = readFileBytes(path);
        // Writing after a failed read would replace the player's own settings with our one row.
        if (existing.error)
            return FileFailure{path, describeError(existing.error)};
        if (hookRowOffset(existing.bytes))
            return std::nullopt;
        text = std::move(existing.bytes);
        // Only an LF ends the command before the hook.
        if (text.ends_with('\r'))
            text += '\n';
        else if (!text.empty() && !text.ends_with('\n'))
            text += "\r\n";
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
