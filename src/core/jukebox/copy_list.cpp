#include "core/jukebox/copy_list.h"

#include "core/script/copy_names.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <charconv>

namespace jukewright {

namespace {

// The first row says what the file is, so that a list of another form is never misread.
constexpr std::string_view Heading = "Jukewright copies 1";
constexpr char Field = '\t';
// Far above the list of the largest jukebox: a larger file is not ours.
constexpr std::uint64_t LargestList = std::uint64_t{64} << 20;
constexpr std::string_view HexDigits = "0123456789ABCDEF";

// A source path may hold any byte on POSIX: "%", the field separator and every control byte are
// written as "%XX", so that a row is always one line.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int hexValue(char c) {
    const std::size_t at = HexDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F)
            return std::nullopt;
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

template <typename Number> std::optional<Number> number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "size TAB time TAB name TAB source", or nothing when any field is damaged.
std::optional<CopyRecord> parseRow(std::string_view row) {
    std::string_view fields[4];
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t end = row.find(Field);
        if (end == std::string_view::npos)
            return std::nullopt;
        fields[i] = row.substr(0, end);
        row.remove_prefix(end + 1);
    }
    fields[3] = row;
    const auto size = number<std::uint64_t>(fields[0]);
    const auto modified = number<std::int64_t>(fields[1]);
    auto source = unescaped(fields[3]);
    if (!size || !modified || !source || source->empty() || !isCopyName(fields[2]))
        return std::nullopt;
    return CopyRecord{std::string(fields[2]), {*size, *modified}, std::move(*source)};
}

} // namespace

bool isCopyName(std::string_view name) {
    if (name.empty() || name.size() > MaxCopyNameBytes || name.front() == '.')
        return false;
    for (const char c : name)
        if (c < 0x20 || c > 0x7E || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    return true;
}

std::vector<CopyRecord> parseCopyList(std::string_view bytes) {
    std::vector<CopyRecord> records;
    const std::vector<std::string> rows = splitRows(bytes, LineEnds::Any);
    if (rows.empty() || rows.front() != Heading)
        return records;
    records.reserve(rows.size() - 1);
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (auto record = parseRow(rows[i]))
            records.push_back(std::move(*record));
    return records;
}

std::string copyListBytes(const std::vector<CopyRecord>& records) {
    std::string bytes(Heading);
    bytes += '\n';
    for (const CopyRecord& record : records) {
        bytes += std::to_string(record.stamp.size);
        bytes += Field;
        bytes += std::to_string(record.stamp.modified);
        bytes += Field;
        bytes += record.name;
        bytes += Field;
        bytes += escaped(record.source);
        bytes += '\n';
    }
    return bytes;
}

std::string copyListPath(const std::string& modFolder) {
    return modFolder + "\\" + std::string(CopyListName);
}

std::vector<CopyRecord> readCopyList(const std::string& modFolder) {
    const std::filesystem::path path = fsPath(copyListPath(modFolder));
    const std::optional<FileStamp> stamp = regularFileStamp(path, false);
    if (!stamp || stamp->size > LargestList)
        return {};
    const FileContent content = readNativeFileBytes(path);
    return content.error ? std::vector<CopyRecord>{} : parseCopyList(content.bytes);
}

std::error_code writeCopyList(const std::string& modFolder, const std::vector<CopyRecord>& records) {
    return replaceFileAtomically(copyListPath(modFolder), copyListBytes(records));
}

} // namespace jukewright
