#include "core/script/script_parts.h"

#include <charconv>

namespace jukewright {

namespace {

constexpr std::string_view PartPrefix = "mp3_part";
constexpr std::string_view PartSuffix = ".cfg";
constexpr std::string_view RowEnd = "\r\n";

// Calls `take` with each row of the bytes, without its CR LF; empty rows are skipped.
template <typename Take> void forEachRow(std::string_view bytes, Take take) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(RowEnd);
        const std::string_view row = bytes.substr(0, end);
        if (!row.empty())
            take(row);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + RowEnd.size());
    }
}

} // namespace

std::string scriptPartName(int number) {
    return std::string(PartPrefix) + std::to_string(number) + std::string(PartSuffix);
}

std::string scriptPartExecRow(int number) {
    return "exec " + scriptPartName(number) + std::string(RowEnd);
}

std::optional<int> scriptPartNumber(std::string_view fileName) {
    if (!fileName.starts_with(PartPrefix) || !fileName.ends_with(PartSuffix))
        return std::nullopt;
    const std::string_view digits =
        fileName.substr(PartPrefix.size(), fileName.size() - PartPrefix.size() - PartSuffix.size());
    if (digits.empty() || digits.front() == '0' || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

std::vector<ScriptFile> splitScript(std::string_view scriptBytes, std::size_t partBytes) {
    std::vector<ScriptFile> parts;
    std::string ending;
    // The room of a part for alias rows: the part ends with the row that runs the next one.
    const auto room = [&] { return partBytes - scriptPartExecRow(static_cast<int>(parts.size()) + 1).size(); };
    forEachRow(scriptBytes, [&](std::string_view row) {
        if (!row.starts_with("alias ")) {
            (ending += row) += RowEnd;
            return;
        }
        const std::size_t size = row.size() + RowEnd.size();
        // A row that does not fit starts the next part; one too long for any part is alone in its own.
        if (parts.empty() || parts.back().bytes.size() + size > room())
            parts.push_back({scriptPartName(static_cast<int>(parts.size()) + 1), {}});
        (parts.back().bytes += row) += RowEnd;
    });
    if (parts.empty() || parts.back().bytes.size() + ending.size() > partBytes)
        parts.push_back({scriptPartName(static_cast<int>(parts.size()) + 1), {}});
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        parts[i].bytes += scriptPartExecRow(static_cast<int>(i) + 2);
    parts.back().bytes += ending;
    parts.push_back({"mp3.cfg", scriptPartExecRow(1)});
    return parts;
}

} // namespace jukewright
