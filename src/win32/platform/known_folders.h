#pragma once

#include "core/app_state.h"
#include "core/message.h"

#include <string>

namespace jukewright::win32 {

// Fills MusicFolder and FontsFolder: the player's Music folder and the per-user fonts folder
// (%LOCALAPPDATA%\Microsoft\Windows\Fonts), each created when missing and without a trailing
// separator. A folder that cannot be had is named in a message in the system's words, and its field
// stays empty; the other is still asked for. SystemFolder stays empty: nothing is installed there.
void ResolveSpecialFolders(AppState& state, MessageView& messages);

// Makes the font that start-up copied into the per-user fonts folder known to the system for this user
// (its HKCU registration, as Windows 10 1809 and later read it). Where that cannot be done, the font is
// loaded for this run only, from the copy or from the data folder. Silent either way, like the copy.
void registerFontForUser(const AppState& state, const std::string& dataFolder);

} // namespace jukewright::win32
