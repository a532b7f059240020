#include "core/mod_files/userconfig_hook.h"

#include "core/mod_files/player_file_edit.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
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
    if (!FileExists(path)) {
        if (const std::error_code error = replaceFileAtomically(path, std::string(UserConfigHookRow) + "\r\n"))
            return FileFailure{path, describeError(error)};
        return std::nullopt;
    }
    return editPlayersFile(path,
                           [](std::string_view bytes) {
                               if (hookRowOffset(bytes))
                                   return FileEdit{std::string(bytes), {}};
                               std::string text(bytes);
                               // Only an LF ends the command before the hook.
                               if (text.ends_with('\r'))
                                   text += '\n';
                               else if (!text.empty() && !text.ends_with('\n'))
                                   text += "\r\n";
                               text.append(UserConfigHookRow).append("\r\n");
                               return FileEdit{std::move(text), {}};
                           })
        .failure;
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
