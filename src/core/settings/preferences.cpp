#include "core/settings/preferences.h"

#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace jukewright {

namespace {

constexpr std::string_view Section = "[script]";
constexpr std::string_view PartsKey = "xash3dCompatible";

// Far more than the few rows the window ever writes.
constexpr std::size_t LargestPreferencesBytes = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// A stored choice reads as the window always took it: empty, "0" and "false" are no, anything else yes.
bool storedYes(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return !value.empty() && value != "0" && !equalsIgnoringCase(value, "false");
}

// The stored choice when the text is ours: blank rows, the section and the key in it, nothing else.
// Nothing for any other text; a file of ours without the key is the default.
std::optional<bool> ourChoice(std::string_view text) {
    bool inSection = false;
    bool parts = false;
    for (const std::string& row : splitRows(text, LineEnds::Any)) {
        const std::string_view line = trimmed(row);
        if (line.empty())
            continue;
        if (line == Section) {
            inSection = true;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || trimmed(line.substr(0, equals)) != PartsKey)
            return std::nullopt;
        parts = storedYes(trimmed(line.substr(equals + 1)));
    }
    return parts;
}

// Whether the file may be written (nothing there, or a file of ours), and the choice it holds.
struct Reading {
    bool ours = false;
    bool parts = false;
};

Reading readPreferences(const std::string& filePath) {
    const std::filesystem::path path = fsPath(filePath);
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return {true, false};
    if (ec || status.type() != std::filesystem::file_type::regular)
        return {};
    const FileContent content = readNativeFileBytes(path, LargestPreferencesBytes);
    if (content.error)
        return {};
    const std::optional<bool> choice = ourChoice(content.bytes);
    return {choice.has_value(), choice.value_or(false)};
}

} // namespace

Preferences::Preferences(std::string filePath) : m_filePath(std::move(filePath)) {}

ScriptLayout Preferences::scriptLayout() const {
    return readPreferences(m_filePath).parts ? ScriptLayout::Parts : ScriptLayout::Automatic;
}

bool Preferences::setScriptLayout(ScriptLayout layout) {
    if (!readPreferences(m_filePath).ours)
        return false;
    // The bytes the window has always written, so that a file of an older version reads the same.
    const std::string text =
        std::string(Section) + "\n" + std::string(PartsKey) + (layout == ScriptLayout::Parts ? "=true\n" : "=false\n");
    return !replaceFileAtPath(fsPath(m_filePath), text);
}

} // namespace jukewright
