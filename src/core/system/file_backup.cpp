#include "core/system/file_backup.h"

#include "core/system/file_ops.h"
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
    return replaceFileAtomically(backupPath(path), content.bytes);
}

} // namespace jukewright
