#include "core/script/save_script.h"

#include "core/file_failure.h"
#include "core/integration/key_binding_list.h"
#include "core/integration/userconfig_hook.h"
#include "core/script/copy_names.h"
#include "core/script/script_text.h"
#include "core/script/track_copies.h"
#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/folder_queries.h"
#include "core/system/native_path.h"

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
    // Taken literally: a pattern or a file is no mod folder, whatever the directory query says.
    const bool pattern = folder.find_first_of("*?") != std::string::npos;
    if (pattern || !FolderExists(folder) || !isFolder(nativePath(folder))) {
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

// Writes mp3.cfg and copies the tracks; the hooks are already in place.
void writeJukebox(AppState& state, SaveView& view, const std::string& folder, FileFailures& failures) {
    view.showProgressWindow();
    const ScriptNames names = assignScriptNames(state);
    const std::string script = scriptFileBytes(state, names);
    view.setProgressStage(SaveStage::CopyingFiles);
    pump(view, 1);
    noteFailure(failures, folder + "\\mp3.cfg", replaceFileAtomically(folder + "\\mp3.cfg", script));
    view.setProgressMaximum(state.TrackCount);
    const std::string trackFolder = folder + "\\mp3s";
    if (!FolderExists(trackFolder)) {
        pump(view, 1);
        if (const auto error = createFolder(trackFolder)) {
            // Without the folder no copy can succeed; the folder is the one thing to name.
            noteFailure(failures, trackFolder, error);
            return;
        }
    }
    copyTracks(state, view, trackFolder, names.copy, failures);
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
    for (const char* written : {"", "\\gfx\\shell", "\\mp3s"})
        removeStrayTemporaries(fsPath(folder + written));

    FileFailures failures;
    if (auto failure = HookUserConfig(folder))
        failures.push_back(std::move(*failure));
    for (auto& failure : WriteKeyBindingList(folder, dataFolder, view))
        failures.push_back(std::move(failure));
    writeJukebox(state, view, folder, failures);
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
    view.setModFolderEnabled(true);
    return outcome;
}

} // namespace jukewright
