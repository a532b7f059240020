#include "core/jukebox/save_script.h"

#include "core/console/engine_detection.h"
#include "core/file_failure.h"
#include "core/jukebox/copy_list.h"
#include "core/jukebox/script_part_files.h"
#include "core/jukebox/track_copies.h"
#include "core/jukebox/track_folder_files.h"
#include "core/mod_files/key_binding_list.h"
#include "core/mod_files/userconfig_hook.h"
#include "core/script/copy_names.h"
#include "core/script/script_parts.h"
#include "core/script/script_text.h"
#include "core/system/code_page.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/folder_lock.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <optional>

namespace jukewright {

namespace {

void pump(SaveView& view, int times) {
    for (int i = 0; i < times; ++i)
        view.pumpEvents();
}

// Checks the playlist and the mod folder; on success the box holds the folder without one
// trailing separator and the folder is returned.
std::optional<std::string> validatedModFolder(const AppState& state, SaveView& view) {
    if (state.TrackCount == 0) {
        view.showMessage({NoTracksText, TitleError, MessageIcon::Stop});
        return std::nullopt;
    }
    std::string folder = view.modFolderText();
    if (folder.empty()) {
        view.showMessage({NoModFolderText, TitlePlain, MessageIcon::None});
        return std::nullopt;
    }
    if (isSeparator(folder.back())) {
        folder.pop_back();
        view.setModFolderText(folder);
        folder = view.modFolderText();
    }
    if (!isExistingFolderText(folder)) {
        view.showMessage({ModFolderNotFoundText, TitlePlain, MessageIcon::None});
        return std::nullopt;
    }
    return folder;
}

void noteFailure(FileFailures& failures, const std::string& path, const std::error_code& error) {
    if (error)
        failures.push_back({path, describeError(error)});
}

void rememberModFolder(AppState& state, SaveView& view, const std::string& folder) {
    const auto begin = state.ModFolders.begin();
    if (std::find(begin, begin + state.ModFolderCount, folder) != begin + state.ModFolderCount)
        return;
    // A full list stays as it is: the folder is simply not remembered.
    if (state.ModFolderCount >= AppState::MaxModFolders)
        return;
    // The settings file stores folders in the system code page: one it cannot hold would come back
    // naming another folder.
    if (fromSystemCodePage(toSystemCodePage(folder)) != folder) {
        view.showMessage({UnrememberedFolderText + displayPath(folder), TitlePlain, MessageIcon::None});
        return;
    }
    state.ModFolders[static_cast<std::size_t>(state.ModFolderCount)] = folder;
    view.addModFolderToList(folder);
    ++state.ModFolderCount;
}

void reportFailures(SaveView& view, const FileFailures& failures) {
    std::string text = NotWrittenText;
    for (const auto& failure : failures)
        text += "\n" + displayPath(failure.path) + " (" + failure.reason + ")";
    view.showMessage({text, TitleError, MessageIcon::Stop});
}

// The layout a save writes: the one asked for, or for Automatic the one the folder's engine loads.
ScriptLayout layoutFor(ScriptLayout asked, Engine engine) {
    if (asked != ScriptLayout::Automatic)
        return asked;
    return engine == Engine::Xash3D ? ScriptLayout::Parts : ScriptLayout::SingleFile;
}

// The files of the script in the layout given, in the order to write them.
std::vector<ScriptFile> scriptFiles(const AppState& state, const ScriptNames& names, ScriptLayout layout) {
    if (layout == ScriptLayout::Parts)
        return splitScript(scriptFileBytes(state, names, PortableScriptTrackFolder));
    return {{"mp3.cfg", scriptFileBytes(state, names)}};
}

void discardAll(const std::vector<StagedCopy>& staged, std::size_t from) {
    for (std::size_t i = from; i < staged.size(); ++i)
        discardCopy(staged[i]);
}

// Writes the script's files beside their targets first and puts them in place only when all are
// written, mp3.cfg last, so that mp3.cfg never execs a part that was not written nor chains new
// parts to old ones. Then deletes the parts an earlier save left beyond the new ones (all of them
// for a single mp3.cfg), so that no stale alias can ever run. Returns whether mp3.cfg was written.
bool writeScript(const std::string& folder, const std::vector<ScriptFile>& files, FileFailures& failures) {
    std::vector<StagedCopy> staged(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = folder + "\\" + files[i].name;
        if (const std::error_code error = stageFile(fsPath(path), files[i].bytes, staged[i])) {
            noteFailure(failures, path, error);
            discardAll(staged, 0);
            return false;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const std::error_code error = commitCopy(staged[i])) {
            noteFailure(failures, folder + "\\" + files[i].name, error);
            discardAll(staged, i + 1);
            return false;
        }
    }
    removeScriptPartsAbove(folder, static_cast<int>(files.size()) - 1, failures);
    return true;
}

std::string withThousands(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

// Said after a save whose single mp3.cfg is too large for Xash3D-based engines.
Message oversizedScriptMessage(std::size_t bytes) {
    return {"mp3.cfg is " + withThousands(bytes) +
                " bytes. Half-Life loads it, but Xash3D-based engines drop a script over 32,766 bytes, so the "
                "jukebox will not load there. For such an engine, check \"Xash3D-compatible script\" in the "
                "Tools menu (on the command line: save --engine xash3d) and save again: the script is then "
                "written in parts that every engine loads.",
            TitlePlain, MessageIcon::None};
}

// Said after a save that chose the parts layout by itself.
Message xashLayoutMessage() {
    return {"Xash3D found above the mod folder: the script was written in parts that Xash3D loads.", TitlePlain,
            MessageIcon::None};
}

// Said after a save when the game stops reading userconfig.cfg before its hook.
Message nulBeforeHookMessage(std::size_t line) {
    return {"Line " + std::to_string(line) +
                " of userconfig.cfg holds a NUL byte: the game stops reading the file there, so it never runs exec "
                "mp3.cfg and the jukebox does not load. Delete that byte (or the line) in a text editor.",
            TitlePlain, MessageIcon::None};
}

std::optional<std::size_t> nulLineBeforeHook(const std::string& folder, Engine engine) {
    const FileContent userConfig = readFileBytes(folder + "\\userconfig.cfg");
    if (userConfig.error)
        return std::nullopt;
    return nulLineBeforeHook(userConfig.bytes, engineRules(engine));
}

// Writes the script and copies the tracks; the hooks are already in place. Returns the size of the
// single mp3.cfg written, or 0 when the parts layout was written or nothing was.
std::size_t writeJukebox(AppState& state, SaveView& view, const std::string& folder, ScriptLayout layout,
                         FileFailures& failures) {
    view.showProgressWindow();
    const TrackFolderFiles found = TrackFolderFiles::read(folder);
    const ScriptNames names = assignScriptNames(state, &found);
    const std::vector<ScriptFile> files = scriptFiles(state, names, layout);
    view.setProgressStage(SaveStage::CopyingFiles);
    pump(view, 1);
    const bool written = writeScript(folder, files, failures);
    const std::size_t singleBytes = written && layout == ScriptLayout::SingleFile ? files.front().bytes.size() : 0;
    view.setProgressMaximum(state.TrackCount);
    const std::string trackFolder = folder + "\\mp3s";
    if (!FolderExists(trackFolder)) {
        pump(view, 1);
        if (const auto error = createFolder(trackFolder)) {
            // Without the folder no copy can succeed; the folder is the one thing to name.
            noteFailure(failures, trackFolder, error);
            return singleBytes;
        }
    }
    if (const auto error = readOnlyFolderError(fsPath(trackFolder))) {
        noteFailure(failures, trackFolder, error);
        return singleBytes;
    }
    const std::vector<CopyRecord> copies = copyTracks(state, view, folder, trackFolder, names.copy, found, failures);
    noteFailure(failures, copyListPath(folder), writeCopyList(folder, copies));
    return singleBytes;
}

} // namespace

SaveOutcome saveScriptCommand(AppState& state, SaveView& view, const std::string& dataFolder) {
    const std::optional<std::string> checked = validatedModFolder(state, view);
    if (!checked)
        return SaveOutcome::Stopped;
    const std::string& folder = *checked;
    view.hideHoverImages();
    pump(view, 3);
    view.setModFolderEnabled(false);
    view.setProgressStage(SaveStage::GeneratingScript);
    pump(view, 3);

    // A refused save leaves the mod folder as it was: the check comes before the hooks.
    if (state.TrackCount >= AppState::MaxTracks) {
        view.showMessage({TooManyTracksText, TitlePlain, MessageIcon::None});
        view.setModFolderEnabled(true);
        return SaveOutcome::Stopped;
    }
    // A folder the player protected gets nothing, not even the lock.
    if (const std::error_code error = readOnlyFolderError(fsPath(folder))) {
        reportFailures(view, {{folder, describeError(error)}});
        view.setModFolderEnabled(true);
        return SaveOutcome::Failed;
    }
    const FolderLock lock(fsPath(folder), folderLockWait(), [&view] { view.pumpEvents(); });
    if (lock.state() == FolderLock::State::Busy) {
        view.showMessage({AnotherRunText, TitleError, MessageIcon::Stop});
        view.setModFolderEnabled(true);
        return SaveOutcome::Stopped;
    }
    if (lock.state() == FolderLock::State::Unavailable)
        view.showMessage({unlockedFolderText(lock.error()), TitlePlain, MessageIcon::None});

    for (const char* written : {"", "\\gfx\\shell", "\\mp3s"})
        removeStrayTemporaries(fsPath(folder + written));

    FileFailures failures;
    if (auto failure = HookUserConfig(folder))
        failures.push_back(std::move(*failure));
    for (auto& failure : WriteKeyBindingList(folder, dataFolder, view))
        failures.push_back(std::move(failure));
    // One mp3.cfg asked for is Half-Life's layout; parts asked for may be for either engine.
    const Engine engine = state.Layout == ScriptLayout::SingleFile ? Engine::GoldSrc : detectEngine(folder);
    const ScriptLayout layout = layoutFor(state.Layout, engine);
    const std::size_t singleBytes = writeJukebox(state, view, folder, layout, failures);
    rememberModFolder(state, view, folder);

    SaveOutcome outcome = SaveOutcome::Complete;
    if (!failures.empty()) {
        reportFailures(view, failures);
        outcome = SaveOutcome::Failed;
    } else {
        view.setProgressStage(SaveStage::Complete);
        view.setProgressCaption("Done");
        pump(view, 1);
    }
    if (singleBytes > MaxPortableScriptBytes)
        view.showMessage(oversizedScriptMessage(singleBytes));
    if (state.Layout == ScriptLayout::Automatic && layout == ScriptLayout::Parts)
        view.showMessage(xashLayoutMessage());
    if (const auto line = nulLineBeforeHook(folder, engine))
        view.showMessage(nulBeforeHookMessage(*line));
    view.setModFolderEnabled(true);
    return outcome;
}

} // namespace jukewright
