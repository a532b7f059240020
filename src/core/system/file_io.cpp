#include "core/system/file_io.h"

#include "core/system/file_io_parts.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <cstdio>
#include <random>

namespace fs = std::filesystem;

namespace jukewright {

namespace file_io_parts {

namespace {

constexpr std::string_view TemporaryMark = ".jukewright-";
constexpr std::string_view TemporaryEnd = ".tmp";

} // namespace

fs::path temporaryBeside(const fs::path& target) {
    std::random_device random;
    char tag[64];
    std::snprintf(tag, sizeof tag, "%d-%08x%08x", processId(), random(), random());
    fs::path temporary = target;
    temporary += std::string(TemporaryMark) + tag + std::string(TemporaryEnd);
    return temporary;
}

// The process id in a temporary file's name, or -1 for any other name.
long temporaryOwner(std::string_view name) {
    if (!name.ends_with(TemporaryEnd))
        return -1;
    const std::size_t mark = name.rfind(TemporaryMark);
    if (mark == std::string_view::npos)
        return -1;
    const std::string_view tag =
        name.substr(mark + TemporaryMark.size(), name.size() - mark - TemporaryMark.size() - TemporaryEnd.size());
    const std::size_t dash = tag.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || tag.size() - dash - 1 != 16)
        return -1;
    if (tag.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos ||
        tag.substr(dash + 1).find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return -1;
    return std::stol(std::string(tag.substr(0, dash)));
}

bool appendWithin(FileContent& content, const char* bytes, std::size_t count, std::size_t maxBytes) {
    if (count > maxBytes - content.bytes.size()) {
        content.bytes.clear();
        content.bytes.shrink_to_fit();
        content.error = std::make_error_code(std::errc::file_too_large);
        return false;
    }
    content.bytes.append(bytes, count);
    return true;
}

} // namespace file_io_parts

std::error_code createFolder(std::string_view path) {
    std::error_code error;
    const fs::path folder = fsPath(path);
    if (const auto readOnly = readOnlyFolderError(folder.parent_path()))
        return fs::is_directory(folder, error) ? std::error_code{} : readOnly;
    if (fs::create_directory(folder, error)) {
        file_io_parts::handToParentOwner(folder);
        return {};
    }
    if (error)
        return error;
    // Not created and no error: something is there already, which is fine only if it is a folder.
    return fs::is_directory(folder, error) ? std::error_code{} : std::make_error_code(std::errc::file_exists);
}

std::error_code replaceFileAtomically(std::string_view path, std::string_view bytes) {
    return replaceFileAtPath(fsPath(path), bytes);
}

std::error_code replaceFileAtPath(const fs::path& target, std::string_view bytes) {
    StagedCopy staged;
    if (const auto error = stageFile(target, bytes, staged))
        return error;
    return commitCopy(staged);
}

FileContent readFileBytes(std::string_view path, std::size_t maxBytes) {
    return readNativeFileBytes(fsPath(path), maxBytes);
}

FileContent readNativeFileBytes(const std::filesystem::path& native, std::size_t maxBytes) {
    FileContent content;
    std::error_code ec;
    // Only a regular file is opened: a fifo would block the program and a device may act on being read.
    const auto status = std::filesystem::status(native, ec);
    if (ec) {
        content.error = ec;
        return content;
    }
    if (!std::filesystem::is_regular_file(status)) {
        content.error = make_error_code(FileError::NotRegularFile);
        return content;
    }
    file_io_parts::readRegularFile(native, maxBytes, content);
    return content;
}

} // namespace jukewright
