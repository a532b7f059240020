#include "core/integration/jukebox_removal.h"

#include "core/integration/key_binding_list.h"
#include "core/integration/userconfig_hook.h"
#include "core/script/script_part_files.h"
#include "core/system/file_backup.h"
#include "core/system/file_ops.h"
#include "core/system/folder_lock.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

bool exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(fsPath(path), error));
}

// Rewrites the file with `edit` applied, after keeping its backup; a file the edit leaves as it is
// stays untouched.
void rewrite(const std::string& path, const std::function<std::string(std::string_view)>& edit,
             const std::string& change, RemovalReport& report) {
    if (!exists(path))
        return;
    const FileContent content = readFileBytes(path);
    if (content.error) {
        report.failures.push_back({path, describeError(content.error)});
        return;
    }
    const std::string edited = edit(content.bytes);
    if (edited == content.bytes)
        return;
    // Checked first, so that a file we may not change gets no backup either.
    if (const std::error_code error = replaceableTarget(fsPath(path))) {
        report.failures.push_back({path, describeError(error)});
        return;
    }
    if (const std::error_code error = keepBackup(path)) {
        report.failures.push_back({backupPath(path), describeError(error)});
        return;
    }
    if (const std::error_code error = replaceFileAtomically(path, edited))
        report.failures.push_back({path, describeError(error)});
    else
        report.done.push_back(change);
}

void deleteScript(const std::string& path, RemovalReport& report) {
    if (!exists(path))
        return;
    std::error_code error = replaceableTarget(fsPath(path));
    if (!error)
        fs::remove(fsPath(path), error);
    if (error)
        report.failures.push_back({path, describeError(error)});
    else
        report.done.push_back("deleted mp3.cfg");
}

// The parts of a script saved in parts; mp3.cfg, which runs them, is already gone.
void deleteScriptParts(const std::string& modFolder, RemovalReport& report) {
    const std::vector<std::string> parts = removeScriptPartsAbove(modFolder, 0, report.failures);
    std::string names;
    for (const std::string& name : parts)
        names += (names.empty() ? "" : ", ") + name;
    if (!parts.empty())
        report.done.push_back("deleted " + names);
}

void deleteTracks(const std::string& path, RemovalReport& report) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(fsPath(path), error);
    if (!fs::exists(status))
        return;
    if (fs::is_symlink(status)) {
        if (fs::remove(fsPath(path), error))
            report.done.push_back("unlinked mp3s (the folder it leads to is kept)");
    } else if (!fs::is_directory(status)) {
        error = make_error_code(FileError::NotRegularFile);
    } else if (const auto removed = fs::remove_all(fsPath(path), error); !error) {
        report.done.push_back("deleted mp3s and the " + std::to_string(removed - 1) + " entries in it");
    }
    if (error)
        report.failures.push_back({path, describeError(error)});
}

} // namespace

RemovalReport removeJukebox(const std::string& modFolder, bool tracks) {
    RemovalReport report;
    const FolderLock lock(fsPath(modFolder), folderLockWait());
    if (lock.state() == FolderLock::State::Busy) {
        report.stopped = AnotherRunText;
        return report;
    }
    if (lock.state() == FolderLock::State::Unavailable && lock.error() != FileError::ReadOnly)
        report.warnings.push_back(unlockedFolderText(lock.error()));
    rewrite(
        modFolder + "\\gfx\\shell\\kb_act.lst",
        [](std::string_view bytes) {
            return controlsSectionCount(bytes) > 0 ? keyBindingListWithoutSection(bytes) : std::string(bytes);
        },
        "took the MP3 Player Controls section out of gfx/shell/kb_act.lst", report);
    rewrite(modFolder + "\\userconfig.cfg", userConfigWithoutHook, "took exec mp3.cfg out of userconfig.cfg", report);
    deleteScript(modFolder + "\\mp3.cfg", report);
    deleteScriptParts(modFolder, report);
    if (tracks)
        deleteTracks(modFolder + "\\mp3s", report);
    return report;
}

} // namespace jukewright
