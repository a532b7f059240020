#include "core/system/file_error.h"
#include "core/system/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

// Opens the lock file, creating it when missing. A folder the player made read-only gets no new
// file, not even from root; a file made by root belongs to the folder's owner, as every file a save
// creates. A link or anything but a regular file there is refused, never followed or blocked on.
std::error_code FolderLock::openLockFile(const fs::path& folder) {
    int& fd = m_fd;
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

} // namespace jukewright
