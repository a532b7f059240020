#include "core/system/folder_lock.h"

#include "core/system/file_ops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace jukewright {

namespace {

constexpr auto DefaultWait = 5s;
constexpr auto RetryEvery = 50ms;

// The error of a try that found the lock held by another run.
std::error_code busyError() {
    return std::make_error_code(std::errc::resource_unavailable_try_again);
}

#ifndef _WIN32

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Opens the lock file, creating it when missing. A folder the player made read-only gets no new
// file, not even from root; a file made by root belongs to the folder's owner, as every file a save
// creates. A link or anything but a regular file there is refused, never followed or blocked on.
std::error_code openLockFile(const fs::path& folder, int& fd) {
    const fs::path path = folder / FolderLockName;
    constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    fd = ::open(path.c_str(), flags);
    if (fd < 0 && errno == ENOENT) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0)
            return lastError();
        if ((info.st_mode & S_IWUSR) == 0)
            return FileError::ReadOnly;
        fd = ::open(path.c_str(), flags | O_CREAT, 0644);
        if (fd >= 0 && ::geteuid() == 0 && ::fchown(fd, info.st_uid, info.st_gid) != 0) {
            // Best effort: the file stays root's, and locking it still works for everyone.
        }
    }
    if (fd < 0)
        return errno == ELOOP ? make_error_code(FileError::NotRegularFile) : lastError();
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return lastError();
    return S_ISREG(info.st_mode) ? std::error_code{} : make_error_code(FileError::NotRegularFile);
}

#else

std::error_code lastError() {
    return windowsErrorCode(GetLastError());
}

// Opens the lock file, creating it when missing; a link or anything but a file there is refused.
std::error_code openLockFile(const fs::path& folder, void*& handle) {
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

#endif

} // namespace

std::string unlockedFolderText(const std::error_code& error) {
    return std::string("The mod folder could not be locked (") + describeError(error) +
           "), so nothing keeps another save or remove from changing it at the same time. This one goes on.";
}

std::chrono::milliseconds folderLockWait() {
    const char* text = std::getenv("JUKEWRIGHT_LOCK_WAIT_SECONDS");
    if (!text)
        return DefaultWait;
    const std::string_view digits(text);
    double seconds = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seconds);
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(seconds) || seconds < 0 ||
        seconds > 3600)
        return DefaultWait;
    return std::chrono::milliseconds(std::lround(seconds * 1000));
}

FolderLock::FolderLock(const fs::path& folder, std::chrono::milliseconds wait,
                       const std::function<void()>& whileWaiting) {
#ifdef _WIN32
    m_error = openLockFile(folder, m_handle);
#else
    m_error = openLockFile(folder, m_fd);
#endif
    if (m_error)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const std::error_code error = tryLock();
        if (!error) {
            m_state = State::Held;
            return;
        }
        if (error != busyError()) {
            m_error = error;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            m_state = State::Busy;
            return;
        }
        if (whileWaiting)
            whileWaiting();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(RetryEvery, deadline - now));
    }
}

#ifndef _WIN32

std::error_code FolderLock::tryLock() {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return {};
    if (errno == EWOULDBLOCK || errno == EINTR)
        return busyError();
    return lastError();
}

FolderLock::~FolderLock() {
    // Closing the file lets the lock go.
    if (m_fd >= 0)
        ::close(m_fd);
}

#else

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

#endif

} // namespace jukewright
