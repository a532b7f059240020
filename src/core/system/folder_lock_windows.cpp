#include "core/system/file_error.h"
#include "core/system/folder_lock.h"

#include <windows.h>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

std::error_code lastError() {
    return windowsErrorCode(GetLastError());
}

} // namespace

// Opens the lock file, creating it when missing; a link or anything but a file there is refused.
std::error_code FolderLock::openLockFile(const fs::path& folder) {
    void*& handle = m_handle;
    const fs::path path = folder / FolderLockName;
    handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        handle = nullptr;
        return lastError();
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return lastError();
    constexpr DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
    if (GetFileType(handle) != FILE_TYPE_DISK || (info.dwFileAttributes & notAFile) != 0)
        return make_error_code(FileError::NotRegularFile);
    return {};
}

std::error_code FolderLock::tryLock() {
    OVERLAPPED start{};
    if (LockFileEx(m_handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start))
        return {};
    const DWORD code = GetLastError();
    if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING)
        return busyError();
    return windowsErrorCode(code);
}

FolderLock::~FolderLock() {
    // Closing the handle lets the lock go.
    if (m_handle)
        CloseHandle(m_handle);
}

} // namespace jukewright
