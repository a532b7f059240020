#include "core/system/file_ops.h"

#include "core/system/native_path.h"

#include <chrono>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <algorithm>
#include <process.h>
#include <windows.h>
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
        case FileError::NotFolder:
            return "not a folder";
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

#else

// Windows: the same steps through the wide-character API. Owners and modes do not exist there; the
// read-only attribute is the person's protection, and the hidden and system attributes of a
// replaced file are handed on.

// The usual error numbers where the system's code has one, so that messages read the same everywhere.
std::error_code windowsError(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return std::make_error_code(std::errc::device_or_resource_busy);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_WRITE_PROTECT:
        return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_FILENAME_EXCED_RANGE:
        return std::make_error_code(std::errc::filename_too_long);
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return std::make_error_code(std::errc::invalid_argument);
    default:
        return {static_cast<int>(code), std::system_category()};
    }
}

std::error_code lastError() {
    return windowsError(GetLastError());
}

// A handle closed when it goes out of use.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    std::error_code close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) ? std::error_code{} : lastError();
    }

private:
    HANDLE m_handle;
};

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

// File times count 100 ns ticks from 1601.
std::uint64_t fileTimeTicks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
constexpr std::int64_t UnixEpochTicks = 116'444'736'000'000'000;

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
    if (const auto readOnly = readOnlyFolderError(folder.parent_path()))
        return fs::is_directory(folder, error) ? std::error_code{} : readOnly;
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

std::error_code replaceFileAtPath(const fs::path& target, std::string_view bytes) {
    StagedCopy staged;
    if (const auto error = stageFile(target, bytes, staged))
        return error;
    return commitCopy(staged);
}

#ifndef _WIN32

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

std::error_code readOnlyFolderError(const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        return errno == ENOENT ? std::error_code{} : lastError();
    return S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0 ? make_error_code(FileError::ReadOnly)
                                                                  : std::error_code{};
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

std::optional<FileFacts> regularFileFacts(const fs::path& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileFacts{{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)},
                     {static_cast<std::uint64_t>(info.st_size),
                      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec}};
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
        const auto changed = std::chrono::system_clock::from_time_t(info.st_ctim.tv_sec);
        if (ownerGone || now - changed > StrayAge)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

#else

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

std::error_code readOnlyFolderError(const fs::path&) {
    // A folder's read-only attribute on Windows marks a customised folder, not a protected one.
    return {};
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

std::optional<FileFacts> regularFileFacts(const fs::path& path, bool followLinks) {
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, flags, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info))
        return std::nullopt;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return std::nullopt;
    const auto ticks = static_cast<std::int64_t>(fileTimeTicks(info.ftLastWriteTime));
    return FileFacts{
        {info.dwVolumeSerialNumber, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow},
        {(static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow, (ticks - UnixEpochTicks) * 100}};
}

bool isRegularFile(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
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

#endif

std::optional<FileIdentity> regularFileIdentity(const fs::path& path, bool followLinks) {
    const auto facts = regularFileFacts(path, followLinks);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

std::optional<FileStamp> regularFileStamp(const fs::path& path, bool followLinks) {
    const auto facts = regularFileFacts(path, followLinks);
    return facts ? std::optional(facts->stamp) : std::nullopt;
}

#ifdef _WIN32
std::error_code windowsErrorCode(unsigned long code) {
    return windowsError(code);
}
#endif

std::string describeError(const std::error_code& error) {
    std::string text = error.message();
    return text.empty() ? std::string("unknown error") : text;
}

} // namespace jukewright
