#pragma once

#include "core/app_state.h"
#include "core/message.h"
#include "core/playlist/playlist_view.h"
#include "core/settings/mod_folder_box.h"
#include "core/settings/settings_store.h"

#include <string>

namespace jukewright {

inline constexpr const char* FreeTrackFileName = "morvane_lanternsburn.mp3";
inline constexpr const char* FontFileName = "HLFLIFE2.TTF";
// Only Windows has a "windows music folder"; elsewhere the question names the player's own.
#ifdef _WIN32
inline constexpr const char* FreeTrackQuestion =
    "Do you want to copy the free track, 'Morvane - Lanterns Burn' to your windows music folder?";
#else
inline constexpr const char* FreeTrackQuestion =
    "Do you want to copy the free track, 'Morvane - Lanterns Burn' to your music folder?";
#endif
inline constexpr const char* FreeTrackTitle = "Copy Track";

// What start-up needs of the main window once its special folders are known.
class StartUpView : public MessageView, public ModFolderBox {
public:
    // The language switches: imgEnglish_Click and imgGerman_Click (texts and skin).
    virtual void switchToEnglish() = 0;
    virtual void switchToGerman() = 0;
    // The track list, whose rows start-up rebuilds when it puts the free track in.
    virtual PlaylistView& trackList() = 0;
    // A question with Yes and No and no icon; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
};

// The stored language: 2 German, 1 English; anything else becomes 1, English.
void applyStartLanguage(AppState& state, StartUpView& view);

// Once in the life of a settings file that can keep the answer: with the free track beside the
// program, makes it the only row of the list, marks it offered and asks whether to copy it into the
// music folder. A copy the person asked for that fails is reported.
void offerFreeTrack(AppState& state, StartUpView& view, const std::string& dataFolder, bool flagCanBeStored);

// Copies the font into the fonts folder when it is not there yet. A fonts folder that could not be
// had, or a copy that fails, only means the font is missing: start-up goes on without a word.
void copyFontWhenMissing(const AppState& state, const std::string& dataFolder);

// The steps of start-up after the special folders: the settings file and its defaults, the stored
// settings, the language, the free track and the font, in this order.
void startFromSettings(AppState& state, SettingsStore& store, StartUpView& view, const std::string& dataFolder);

} // namespace jukewright
