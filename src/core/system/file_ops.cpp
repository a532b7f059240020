#include "core/system/file_ops.h"

#include "core/system/native_path.h"

#include <chrono>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <fstream>
#include <process.h>
#else
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace jukewright {

namespace {

class FileErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "jukewright-file"; }
    std::string message(int code) const override {
        switch (static_cast<FileError>(code)) {
        case FileError::NotRegularFile:
            return "not a regular file";
        case FileError::ReadOnly:
            return "read-only";
        }
        return "unknown error";
    }
};

constexpr std::string_view TemporaryMark = ".jukewright-";
constexpr std::string_view TemporaryEnd = ".tmp";
constexpr auto StrayAge = std::chrono::minutes(10);

int processId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

// "<name>.jukewright-<process>-<random>.tmp": the process id lets a later save tell whether the save
// that wrote it is still running.
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

#ifndef _WIN32

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

// Opens a new temporary file beside the target, writes it with `fill`, hands on the old file's
// heritage and closes it; removes it again on any failure.
template <typename Fill> std::error_code writeTemporary(const fs::path& target, const fs::path& temporary, Fill fill) {
    Heritage heritage;
    if (const auto error = inspectTarget(target, heritage))
        return error;
    Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (out.get() < 0)
        return lastError();
    std::error_code error = fill(out.get());
    if (!error)
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

#endif

} // namespace

const std::error_category& fileErrorCategory() {
    static const FileErrorCategory category;
    return category;
}

std::error_code make_error_code(FileError error) {
    return {static_cast<int>(error), fileErrorCategory()};
}

std::error_code createFolder(std::string_view path) {
    std::error_code error;
    const fs::path folder = fsPath(path);
    if (fs::create_directory(folder, error)) {
#ifndef _WIN32
        struct stat parent {};
        if (::geteuid() == 0 &&
            ::stat(folder.parent_path().empty() ? "." : folder.parent_path().c_str(), &parent) == 0 &&
            ::chown(folder.c_str(), parent.st_uid, parent.st_gid) != 0) {
            // Best effort: the folder stays root's.
        }
#endif
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

#ifndef _WIN32

std::error_code replaceableTarget(const fs::path& target) {
    Heritage ignored;
    return inspectTarget(target, ignored);
}

std::error_code replaceFileAtPath(const fs::path& target, std::string_view bytes) {
    const fs::path temporary = temporaryBeside(target);
    const auto error = writeTemporary(target, temporary, [bytes](int fd) {
        if (const auto writeError = writeAll(fd, bytes))
            return writeError;
        // The config files are few and small: each reaches the disk before it replaces the old one.
        return ::fsync(fd) == 0 ? std::error_code{} : lastError();
    });
    return error ? error : renameOver(temporary, target);
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

std::optional<FileIdentity> regularFileIdentity(const fs::path& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool isCurrentCopy(const fs::path& source, const fs::path& copy) {
    struct stat from {};
    struct stat to {};
    if (::stat(source.c_str(), &from) != 0 || ::lstat(copy.c_str(), &to) != 0)
        return false;
    return S_ISREG(from.st_mode) && S_ISREG(to.st_mode) && from.st_size == to.st_size &&
           from.st_mtim.tv_sec == to.st_mtim.tv_sec && from.st_mtim.tv_nsec == to.st_mtim.tv_nsec;
}

bool isRegularFile(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
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
        const auto written = std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec);
        if (ownerGone || now - written > StrayAge)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

#else

// Windows: the same steps through the standard library; owners and modes are not carried.
std::error_code replaceableTarget(const fs::path& target) {
    std::error_code error;
    const auto status = fs::symlink_status(target, error);
    if (error || !fs::exists(status) || fs::is_symlink(status))
        return {};
    if (!fs::is_regular_file(status))
        return FileError::NotRegularFile;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return FileError::ReadOnly;
    return {};
}

std::error_code replaceFileAtPath(const fs::path& target, std::string_view bytes) {
    if (const auto error = replaceableTarget(target))
        return error;
    const fs::path temporary = temporaryBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return std::make_error_code(std::errc::io_error);
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error)
        fs::remove(temporary, error);
    return error;
}

std::error_code stageCopy(const fs::path& source, const fs::path& target, StagedCopy& staged) {
    std::error_code error;
    if (!fs::is_regular_file(source, error))
        return error ? error : make_error_code(FileError::NotRegularFile);
    if (const auto targetError = replaceableTarget(target))
        return targetError;
    staged = {temporaryBeside(target), target};
    fs::copy_file(source, staged.temporary, error);
    if (error)
        fs::remove(staged.temporary, error);
    return error;
}

std::error_code commitCopy(const StagedCopy& staged) {
    std::error_code error;
    fs::rename(staged.temporary, staged.target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(staged.temporary, ignored);
    }
    return error;
}

void discardCopy(const StagedCopy& staged) {
    std::error_code ignored;
    fs::remove(staged.temporary, ignored);
}

std::optional<FileIdentity> regularFileIdentity(const fs::path&, bool) {
    return std::nullopt;
}

bool isCurrentCopy(const fs::path& source, const fs::path& copy) {
    std::error_code error;
    return fs::is_regular_file(source, error) && !fs::is_symlink(copy, error) && fs::is_regular_file(copy, error) &&
           fs::file_size(source, error) == fs::file_size(copy, error) &&
           fs::last_write_time(source, error) == fs::last_write_time(copy, error) && !error;
}

bool isRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void removeStrayTemporaries(const fs::path& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        if (temporaryOwner(std::string(name.begin(), name.end())) < 0)
            continue;
        std::error_code ignored;
        if (now - fs::last_write_time(it->path(), ignored) > StrayAge)
            fs::remove(it->path(), ignored);
    }
}

#endif

std::string describeError(const std::error_code& error) {
    std::string text = error.message();
    return text.empty() ? std::string("unknown error") : text;
}

} // namespace jukewright
