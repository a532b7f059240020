#include "core/startup/startup.h"

#include "core/playlist/track_list.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/text_rows.h"

namespace jukewright {

namespace {

// Copied whole or not at all, so a cut-short copy never passes for the file at the next start.
std::error_code copyWhole(const std::string& source, const std::string& target) {
    FileContent content = readFileBytes(source);
    return content.error ? content.error : replaceFileAtomically(target, content.bytes);
}

constexpr const char* MusicFolderMissingText = "The free track could not be copied: the music folder is not available.";
constexpr const char* CopyFailedText = "The free track could not be copied to ";

void copyFreeTrack(const AppState& state, MessageView& messages, const std::string& source) {
    if (state.MusicFolder.empty()) {
        messages.showMessage({MusicFolderMissingText, TitlePlain});
        return;
    }
    const std::string target = state.MusicFolder + "\\" + FreeTrackFileName;
    if (const auto error = copyWhole(source, target))
        messages.showMessage({CopyFailedText + target + ":\n" + describeError(error), TitlePlain});
}

} // namespace

void applyStartLanguage(AppState& state, StartUpView& view) {
    if (state.Language == 2) {
        view.switchToGerman();
        return;
    }
    state.Language = 1;
    view.switchToEnglish();
}

void offerFreeTrack(AppState& state, StartUpView& view, const std::string& dataFolder, bool flagCanBeStored) {
    const std::string source = dataFolder + "\\" + FreeTrackFileName;
    if (state.FreeTrackOffered != 0 || !flagCanBeStored || !FileExists(source))
        return;
    state.TrackPaths[0] = source;
    state.TrackNames[0] = FreeTrackFileName;
    state.TrackCount = 1;
    reloadplaylst(state, view.trackList());
    state.FreeTrackOffered = 1;
    if (view.askYesNo(FreeTrackQuestion, FreeTrackTitle))
        copyFreeTrack(state, view, source);
}

void copyFontWhenMissing(const AppState& state, const std::string& dataFolder) {
    if (state.FontsFolder.empty())
        return;
    const std::string target = state.FontsFolder + "\\" + FontFileName;
    const std::string source = dataFolder + "\\" + FontFileName;
    if (!FileExists(target) && FileExists(source))
        copyWhole(source, target);
}

void startFromSettings(AppState& state, SettingsStore& store, StartUpView& view, const std::string& dataFolder) {
    store.InitSettingsFile();
    store.LoadSettings(state, view);
    applyStartLanguage(state, view);
    offerFreeTrack(state, view, dataFolder, store.canStore());
    copyFontWhenMissing(state, dataFolder);
}

} // namespace jukewright
