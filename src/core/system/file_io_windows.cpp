#include "core/system/file_io.h"
#include "core/system/file_io_parts.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/windows_handle.h"

#include <algorithm>
#include <process.h>

namespace fs = std::filesystem;

namespace jukewright {

using file_io_parts::StrayAge;
using file_io_parts::temporaryBeside;
using file_io_parts::temporaryOwner;

namespace {

// Windows: the same steps as on POSIX through the wide-character API. Owners and modes do not exist
// there; the read-only attribute is the person's protection, and the hidden and system attributes of
// a replaced file are handed on.

std::error_code lastError() {
    return lastWindowsError();
}

std::error_code windowsError(DWORD code) {
    return windowsErrorCode(code);
}

constexpr DWORD HandedOnAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The target's attributes when it may be replaced (0 when nothing is there), else the reason.
std::error_code inspectTarget(const fs::path& target, DWORD& attributes) {
    attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        attributes = 0;
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? std::error_code{} : windowsError(code);
    }
    // A link is replaced, never written through.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return {};
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        return FileError::NotRegularFile;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return FileError::ReadOnly;
    return {};
}

std::error_code writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastError();
        bytes.remove_prefix(written);
    }
    return {};
}

std::error_code renameOver(const fs::path& temporary, const fs::path& target) {
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const std::error_code error = lastError();
    DeleteFileW(temporary.c_str());
    return error;
}

// Whether the process that wrote a temporary file is gone; a process still running, or one the
// system will not say about, keeps its file.
bool processGone(long id) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD status = 0;
    const bool ended = GetExitCodeProcess(process, &status) && status != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}

// When the file was last changed in any way (its content, its times, its name), in file time ticks;
// nothing when the system will not say.
std::optional<std::uint64_t> changeTicks(const fs::path& path) {
    const Handle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    FILE_BASIC_INFO info{};
    if (!file.valid() || !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &info, sizeof info))
        return std::nullopt;
    return static_cast<std::uint64_t>(info.ChangeTime.QuadPart);
}

} // namespace

namespace file_io_parts {

int processId() {
    return _getpid();
}

void handToParentOwner(const fs::path&) {
    // Files and folders take the access rules of their folder here.
}

void readRegularFile(const fs::path& native, std::size_t maxBytes, FileContent& content) {
    // Shared with writers, as a player's other programs may have the file open.
    const HANDLE file = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        content.error = windowsErrorCode(GetLastError());
        return;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        content.error = make_error_code(FileError::NotRegularFile);
        CloseHandle(file);
        return;
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
}

} // namespace file_io_parts

std::error_code replaceableTarget(const fs::path& target) {
    DWORD ignored = 0;
    return inspectTarget(target, ignored);
}

std::error_code stageFile(const fs::path& target, std::string_view bytes, StagedCopy& staged) {
    DWORD attributes = 0;
    if (const auto error = inspectTarget(target, attributes))
        return error;
    staged = {temporaryBeside(target), target};
    Handle out(CreateFileW(staged.temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | (attributes & HandedOnAttributes), nullptr));
    if (!out.valid())
        return lastError();
    std::error_code error = writeAll(out.get(), bytes);
    // The config files are few and small: each reaches the disk before it replaces the old one.
    if (!error && !FlushFileBuffers(out.get()))
        error = lastError();
    if (const auto closeError = out.close(); !error)
        error = closeError;
    if (error)
        DeleteFileW(staged.temporary.c_str());
    return error;
}

std::error_code writeFileLike(const fs::path& target, std::string_view bytes, const fs::path&) {
    // Files take the access rules of their folder here; there are no modes to hand on.
    return replaceFileAtPath(target, bytes);
}

std::error_code stageCopy(const fs::path& source, const fs::path& target, StagedCopy& staged) {
    const DWORD sourceAttributes = GetFileAttributesW(source.c_str());
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    if (sourceAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        return FileError::NotRegularFile;
    DWORD targetAttributes = 0;
    if (const auto error = inspectTarget(target, targetAttributes))
        return error;
    staged = {temporaryBeside(target), target};
    // The system copies the bytes and the modification time; the copy is never read-only, so that
    // a later save can replace it.
    if (!CopyFileExW(source.c_str(), staged.temporary.c_str(), nullptr, nullptr, nullptr, COPY_FILE_FAIL_IF_EXISTS)) {
        // A cut-short copy is removed; a file that was there under the name already is not ours.
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
            DeleteFileW(staged.temporary.c_str());
        return windowsError(code);
    }
    const DWORD copied = GetFileAttributesW(staged.temporary.c_str());
    if (copied == INVALID_FILE_ATTRIBUTES ||
        !SetFileAttributesW(staged.temporary.c_str(), (copied & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL)) {
        const std::error_code error = lastError();
        discardCopy(staged);
        return error;
    }
    return {};
}

std::error_code commitCopy(const StagedCopy& staged) {
    return renameOver(staged.temporary, staged.target);
}

void discardCopy(const StagedCopy& staged) {
    SetFileAttributesW(staged.temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(staged.temporary.c_str());
}

void removeStrayTemporaries(const fs::path& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder / L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t strayTicks = std::chrono::duration_cast<std::chrono::seconds>(StrayAge).count() * 10'000'000ull;
    do {
        const std::string name = utf8FromWide(entry.cFileName);
        const long owner = temporaryOwner(name);
        if (owner < 0 || (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        const fs::path stray = folder / entry.cFileName;
        const std::optional<std::uint64_t> changed = changeTicks(stray);
        const bool old = changed && fileTimeTicks(now) > *changed && fileTimeTicks(now) - *changed > strayTicks;
        if (old || processGone(owner)) {
            SetFileAttributesW(stray.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(stray.c_str());
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

} // namespace jukewright
