#include "core/system/folder_entries.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace jukewright {

std::optional<std::vector<FolderEntry>> folderEntries(const fs::path& folder,
                                                      const std::function<bool(std::string_view)>& inspect) {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir && errno == ENOENT)
        return entries;
    if (!dir)
        return std::nullopt;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        FolderEntry found{std::string(name), std::nullopt, std::nullopt};
        struct stat info {};
        if (inspect(name) && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode)) {
            found.stamp =
                FileStamp{static_cast<std::uint64_t>(info.st_size),
                          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
            found.identity =
                FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
        }
        entries.push_back(std::move(found));
    }
    ::closedir(dir);
    return entries;
}

} // namespace jukewright
