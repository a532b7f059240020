#include "core/jukebox/jukebox_removal.h"

#include "core/jukebox/jukebox_script_files.h"
#include "core/jukebox/script_part_files.h"
#include "core/jukebox/track_removal.h"
#include "core/mod_files/key_binding_list.h"
#include "core/mod_files/player_file_edit.h"
#include "core/mod_files/userconfig_hook.h"
#include "core/script/script_parts.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/folder_lock.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
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
    const EditedFile edited = editPlayersFile(path, [&edit](std::string_view bytes) {
        return FileEdit{edit(bytes), {}};
    });
    if (edited.failure)
        report.failures.push_back(*edited.failure);
    else if (edited.changed)
        report.done.push_back(change);
}

bool deleteFile(const std::string& path, RemovalReport& report) {
    std::error_code error = replaceableTarget(fsPath(path));
    if (!error)
        fs::remove(fsPath(path), error);
    if (error)
        report.failures.push_back({path, describeError(error)});
    return !error;
}

// mp3.cfg and its parts go only when they are a Jukewright script; a player's own files of those
// names are named and kept.
void deleteScript(const std::string& modFolder, RemovalReport& report) {
    const JukeboxScriptFiles ours = findJukeboxScriptFiles(modFolder);
    const std::string script = modFolder + "\\mp3.cfg";
    const bool players = exists(script) && !ours.script;
    if (players)
        report.kept.push_back("kept mp3.cfg: it is not a Jukewright script");
    else if (exists(script) && deleteFile(script, report))
        report.done.push_back("deleted mp3.cfg");
    // Parts that the player's own mp3.cfg may run stay with it.
    const std::vector<int> parts = players ? std::vector<int>{} : ours.parts;
    std::string deleted;
    for (const int part : parts)
        if (deleteFile(modFolder + "\\" + scriptPartName(part), report))
            deleted += (deleted.empty() ? "" : ", ") + scriptPartName(part);
    if (!deleted.empty())
        report.done.push_back("deleted " + deleted);
    std::string others;
    for (const int part : scriptPartsInFolder(modFolder))
        if (!std::ranges::binary_search(parts, part))
            others += (others.empty() ? "" : ", ") + scriptPartName(part);
    if (!others.empty())
        report.kept.push_back("kept " + others + ": not a part of a Jukewright script");
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
    deleteScript(modFolder, report);
    if (tracks)
        removeTrackCopies(modFolder, report);
    return report;
}

} // namespace jukewright
