#include "core/mod_files/file_backup.h"

#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <filesystem>

namespace jukewright {

std::string backupPath(std::string_view path) {
    return std::string(path).append(BackupSuffix);
}

std::error_code keepBackup(std::string_view path) {
    std::error_code error;
    // A link under the copy's name counts as a copy too: it is never written through or replaced.
    if (std::filesystem::exists(std::filesystem::symlink_status(fsPath(backupPath(path)), error)))
        return {};
    if (!isRegularFile(fsPath(path)))
        return {};
    const FileContent content = readFileBytes(path);
    if (content.error)
        return content.error;
    // The copy holds what the file holds (an rcon_password, say): it is no more open than the file.
    return writeFileLike(fsPath(backupPath(path)), content.bytes, fsPath(path));
}

} // namespace jukewright
