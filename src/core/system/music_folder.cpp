#include "core/system/music_folder.h"

#include "core/system/text_rows.h"

namespace jukewright {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A shell-quoted value: "$HOME/My Music" with backslash escapes.
std::string unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::string(value);
    std::string plain;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size())
            ++i;
        plain += value[i];
    }
    return plain;
}

} // namespace

std::string userDirsFolder(std::string_view userDirs, std::string_view key, const std::string& home) {
    for (const std::string& row : splitRows(userDirs, LineEnds::Any)) {
        const std::string_view line = trimmed(row);
        if (!line.starts_with(key) || line.substr(key.size(), 1) != "=")
            continue;
        const std::string value = unquoted(trimmed(line.substr(key.size() + 1)));
        if (value.starts_with("$HOME") && (value.size() == 5 || value[5] == '/'))
            return home.empty() ? std::string() : home + value.substr(5);
        return value.starts_with('/') ? value : std::string();
    }
    return {};
}

} // namespace jukewright
