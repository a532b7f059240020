#include "core/system/file_io.h"
#include "core/system/file_io_parts.h"
#include "core/system/file_queries.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace jukewright {

using file_io_parts::StrayAge;
using file_io_parts::temporaryBeside;
using file_io_parts::temporaryOwner;

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// What a replaced file hands on to its successor.
struct Heritage {
    bool exists = false;
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
};

std::error_code inspectTarget(const fs::path& target, Heritage& heritage) {
    // A folder the player protected keeps its files as they are, as a protected file does.
    if (const auto error = readOnlyFolderError(target.parent_path()))
        return error;
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0)
        return errno == ENOENT ? std::error_code{} : lastError();
    if (S_ISLNK(info.st_mode))
        return {};
    if (!S_ISREG(info.st_mode))
        return FileError::NotRegularFile;
    // Checked by the bit itself, so that a file the player protected stays protected from root too.
    if ((info.st_mode & S_IWUSR) == 0)
        return FileError::ReadOnly;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return lastError();
    heritage = {true, info.st_uid, info.st_gid, static_cast<mode_t>(info.st_mode & 07777)};
    return {};
}

// The replacement takes the old file's owner, group and mode; a new file made by root takes the owner
// and group of its folder. Changing the owner is best effort: another user may not be able to.
void handOn(int fd, const fs::path& target, const Heritage& heritage) {
    if (heritage.exists) {
        if (::fchown(fd, heritage.owner, heritage.group) != 0) {
            // Not allowed to: the file stays this user's.
        }
        ::fchmod(fd, heritage.mode);
        return;
    }
    struct stat folder {};
    if (::geteuid() == 0 && ::stat(target.parent_path().c_str(), &folder) == 0 &&
        ::fchown(fd, folder.st_uid, folder.st_gid) != 0) {
        // The folder's owner could not be set; root keeps the file.
    }
}

std::error_code writeAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR)
            return lastError();
        if (n > 0)
            written += static_cast<std::size_t>(n);
    }
    return {};
}

std::error_code copyContent(int from, int to, off_t size) {
    off_t copied = 0;
    // The kernel copies without the data passing through the program; file systems that cannot fall
    // back to reading and writing.
    while (copied < size) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, static_cast<std::size_t>(size - copied), 0);
        if (n > 0) {
            copied += n;
            continue;
        }
        if (n == 0)
            break;
        if (errno == EINTR)
            continue;
        if (copied == 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
            break;
        return lastError();
    }
    if (copied >= size)
        return {};
    std::string buffer(1 << 17, '\0');
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        if (n == 0)
            return {};
        if (const auto error = writeAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(n))))
            return error;
    }
}

// A file descriptor closed when it goes out of use.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    std::error_code close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? std::error_code{} : lastError();
    }

private:
    int m_fd;
};

// A file made after a model takes its owner, group and mode; where the owner or group cannot be
// given, only this user keeps the model's rights, so the file is never open to more people.
void handOnModel(int fd, const Heritage& model) {
    mode_t mode = model.mode & 0777;
    if (::fchown(fd, model.owner, model.group) != 0)
        mode &= 0700;
    ::fchmod(fd, mode);
}

// Opens a new temporary file beside the target, writes it with `fill`, hands on the old file's
// heritage (or the model's, unreadable to others until then) and closes it; removes it again on any
// failure.
template <typename Fill>
std::error_code writeTemporary(const fs::path& target, const fs::path& temporary, Fill fill,
                               const Heritage* model = nullptr) {
    Heritage heritage;
    if (const auto error = inspectTarget(target, heritage))
        return error;
    Descriptor out(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, model ? 0600 : 0666));
    if (out.get() < 0)
        return lastError();
    std::error_code error = fill(out.get());
    if (!error && model)
        handOnModel(out.get(), *model);
    else if (!error)
        handOn(out.get(), target, heritage);
    if (const auto closeError = out.close(); !error)
        error = closeError;
    if (error)
        ::unlink(temporary.c_str());
    return error;
}

std::error_code renameOver(const fs::path& temporary, const fs::path& target) {
    if (::rename(temporary.c_str(), target.c_str()) == 0)
        return {};
    const std::error_code error = lastError();
    ::unlink(temporary.c_str());
    return error;
}

} // namespace

namespace file_io_parts {

int processId() {
    return static_cast<int>(::getpid());
}

void handToParentOwner(const fs::path& folder) {
    struct stat parent {};
    if (::geteuid() == 0 && ::stat(folder.parent_path().empty() ? "." : folder.parent_path().c_str(), &parent) == 0 &&
        ::chown(folder.c_str(), parent.st_uid, parent.st_gid) != 0) {
        // Best effort: the folder stays root's.
    }
}

void readRegularFile(const fs::path& native, std::size_t maxBytes, FileContent& content) {
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        content.error =
            fd < 0 ? std::error_code(errno, std::generic_category()) : make_error_code(FileError::NotRegularFile);
        if (fd >= 0)
            ::close(fd);
        return;
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
}

} // namespace file_io_parts

std::error_code replaceableTarget(const fs::path& target) {
    Heritage ignored;
    return inspectTarget(target, ignored);
}

std::error_code stageFile(const fs::path& target, std::string_view bytes, StagedCopy& staged) {
    staged = {temporaryBeside(target), target};
    return writeTemporary(target, staged.temporary, [bytes](int fd) {
        if (const auto writeError = writeAll(fd, bytes))
            return writeError;
        // The config files are few and small: each reaches the disk before it replaces the old one.
        return ::fsync(fd) == 0 ? std::error_code{} : lastError();
    });
}

std::error_code writeFileLike(const fs::path& target, std::string_view bytes, const fs::path& model) {
    struct stat info {};
    if (::stat(model.c_str(), &info) != 0)
        return lastError();
    const Heritage heritage{true, info.st_uid, info.st_gid, static_cast<mode_t>(info.st_mode & 07777)};
    StagedCopy staged{temporaryBeside(target), target};
    const auto error = writeTemporary(
        target, staged.temporary,
        [bytes](int fd) {
            if (const auto writeError = writeAll(fd, bytes))
                return writeError;
            return ::fsync(fd) == 0 ? std::error_code{} : lastError();
        },
        &heritage);
    return error ? error : commitCopy(staged);
}

std::error_code stageCopy(const fs::path& source, const fs::path& target, StagedCopy& staged) {
    struct stat info {};
    // Checked before opening: opening a fifo would block and a device may act on being opened.
    if (::stat(source.c_str(), &info) != 0)
        return lastError();
    if (!S_ISREG(info.st_mode))
        return FileError::NotRegularFile;
    Descriptor in(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0)
        return lastError();
    if (::fstat(in.get(), &info) != 0)
        return lastError();
    if (!S_ISREG(info.st_mode))
        return FileError::NotRegularFile;
    staged = {temporaryBeside(target), target};
    return writeTemporary(target, staged.temporary, [&](int fd) {
        if (const auto error = copyContent(in.get(), fd, info.st_size))
            return error;
        const struct timespec times[2] = {info.st_atim, info.st_mtim};
        return ::futimens(fd, times) == 0 ? std::error_code{} : lastError();
    });
}

std::error_code commitCopy(const StagedCopy& staged) {
    return renameOver(staged.temporary, staged.target);
}

void discardCopy(const StagedCopy& staged) {
    ::unlink(staged.temporary.c_str());
}

void removeStrayTemporaries(const fs::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const auto now = std::chrono::system_clock::now();
    while (const dirent* entry = ::readdir(dir)) {
        const long owner = temporaryOwner(entry->d_name);
        if (owner < 0)
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
            continue;
        const bool ownerGone = ::kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH;
        const auto changed = std::chrono::system_clock::from_time_t(info.st_ctim.tv_sec);
        if (ownerGone || now - changed > StrayAge)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace jukewright
