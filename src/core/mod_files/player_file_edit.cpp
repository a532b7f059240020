#include "core/mod_files/player_file_edit.h"

#include "core/mod_files/file_backup.h"
#include "core/system/file_io.h"
#include "core/system/native_path.h"

namespace jukewright {

EditedFile editPlayersFile(const std::string& path, const std::function<FileEdit(std::string_view)>& edit,
                           bool keepsBackup) {
    const FileContent content = readFileBytes(path);
    if (content.error)
        return {FileFailure{path, describeError(content.error)}};
    const FileEdit edited = edit(content.bytes);
    if (!edited.refusal.empty())
        return {FileFailure{path, edited.refusal}};
    if (edited.bytes == content.bytes)
        return {};
    // Checked first, so that a file we may not change gets no backup either.
    if (const std::error_code error = replaceableTarget(fsPath(path)))
        return {FileFailure{path, describeError(error)}};
    if (const std::error_code error = keepsBackup ? keepBackup(path) : std::error_code())
        return {FileFailure{backupPath(path), describeError(error)}};
    if (const std::error_code error = replaceFileAtomically(path, edited.bytes))
        return {FileFailure{path, describeError(error)}};
    return {std::nullopt, true};
}

} // namespace jukewright
