#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace jukewright {

// The file in a mod folder that saves and removals lock, so that only one of them changes the folder
// at a time. It is never deleted: deleting it would let a third run lock a new file while the second
// still waits on the old one.
inline constexpr const char* FolderLockName = ".jukewright.lock";

inline constexpr const char* AnotherRunText = "Another save or remove is running in this mod folder.";
// The warning of a save or remove that goes on without the lock, with the reason.
std::string unlockedFolderText(const std::error_code& error);

// How long a save or remove waits for another one in the same folder: 5 seconds, or the number of
// seconds in JUKEWRIGHT_LOCK_WAIT_SECONDS.
std::chrono::milliseconds folderLockWait();

// The lock on a mod folder's FolderLockName, held while the object lives (flock on POSIX,
// LockFileEx on Windows; the system lets it go when the process ends, however it ends).
class FolderLock {
public:
    enum class State {
        Held,        // this run holds the folder
        Busy,        // another run held it for the whole wait
        Unavailable, // the folder cannot be locked (a file system without locks; see error())
    };

    // Locks FolderLockName in `folder`, creating it when missing (as root, with the folder's owner),
    // trying again until `wait` has passed; `whileWaiting` runs between the tries.
    FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait,
               const std::function<void()>& whileWaiting = {});
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return m_state; }
    // Why the folder could not be locked, when Unavailable.
    std::error_code error() const { return m_error; }

private:
    // The error of a try that found the lock held by another run.
    static std::error_code busyError();
    // Opens the lock file, creating it when missing.
    std::error_code openLockFile(const std::filesystem::path& folder);
    std::error_code tryLock();

#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    State m_state = State::Unavailable;
    std::error_code m_error;
};

} // namespace jukewright
