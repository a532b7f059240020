#pragma once

#include "core/app_state.h"
#include "core/message.h"

#include <QString>
#include <string>

namespace jukewright::gui {

inline constexpr const char* FolderMissingText = "The folder does not exist";

// Fills MusicFolder and FontsFolder from the desktop's own locations, creating a folder that does
// not exist yet, each without a trailing separator. A folder that cannot be had is named in a message
// and its field stays empty; the other is still asked for. SystemFolder stays empty: nothing is
// installed there.
void ResolveSpecialFolders(AppState& state, MessageView& messages);

// Where settings.jst lives (see settingsLocation), whose folder is created first.
std::string settingsFilePath();

// Where the window keeps what settings.jst has no record for: preferences.ini beside settings.jst.
QString preferencesFilePath();

} // namespace jukewright::gui
