#include "core/system/text_rows.h"

#include "core/system/file_ops.h"
#include "core/system/native_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace jukewright {

namespace {

bool lfEndsRow(LineEnds ends) {
#ifdef _WIN32
    return ends == LineEnds::Any;
#else
    (void)ends;
    return true;
#endif
}

} // namespace

std::vector<std::string> splitRows(std::string_view text, LineEnds ends) {
    const bool lf = lfEndsRow(ends);
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && !(lf && c == '\n'))
            continue;
        rows.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        rows.emplace_back(text.substr(start));
    return rows;
}

FileContent readFileBytes(std::string_view path, std::size_t maxBytes) {
    return readNativeFileBytes(fsPath(path), maxBytes);
}

namespace {

// Appends what was read; past the limit the bytes are dropped and the error says why.
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

} // namespace

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
#ifndef _WIN32
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        content.error =
            fd < 0 ? std::error_code(errno, std::generic_category()) : make_error_code(FileError::NotRegularFile);
        if (fd >= 0)
            ::close(fd);
        return content;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            content.error = std::error_code(errno, std::generic_category());
        if (n <= 0 || !appendWithin(content, buffer, static_cast<std::size_t>(n), maxBytes))
            break;
    }
    ::close(fd);
#else
    // Shared with writers, as a player's other programs may have the file open.
    const HANDLE file = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        content.error = windowsErrorCode(GetLastError());
        return content;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        content.error = make_error_code(FileError::NotRegularFile);
        CloseHandle(file);
        return content;
    }
    char buffer[1 << 16];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            content.error = windowsErrorCode(GetLastError());
            break;
        }
        if (n == 0 || !appendWithin(content, buffer, n, maxBytes))
            break;
    }
    CloseHandle(file);
#endif
    return content;
}

FileRows readTextRows(std::string_view path, LineEnds ends) {
    FileContent content = readFileBytes(path);
    if (content.error)
        return {{}, content.error};
    return {splitRows(content.bytes, ends), {}};
}

} // namespace jukewright
