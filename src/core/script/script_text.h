#pragma once

#include "core/app_state.h"
#include "core/script/copy_names.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// The volume ladder shared by the MP3 and game volume keys.
inline constexpr std::array<int, 23> ScriptVolumeSteps = {0,  2,  5,  9,  13, 15, 20, 25, 30, 35, 40, 45,
                                                          50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100};

// The folder the play and loop lines name the copies in. Every engine on POSIX opens "mp3s/NAME"
// (some split paths on "/" only); the Windows build keeps the separator the jukebox always had.
#ifdef _WIN32
inline constexpr std::string_view ScriptTrackFolder = "mp3s\\";
#else
inline constexpr std::string_view ScriptTrackFolder = "mp3s/";
#endif
// The folder of the parts layout, which exists for engines that split paths on "/" only: "/" opens in
// every engine on every system.
inline constexpr std::string_view PortableScriptTrackFolder = "mp3s/";

// The script's last row: the game shows it once every alias is defined, and it tells a script of
// ours from a player's own mp3.cfg.
inline constexpr std::string_view ScriptLoadedNotice = "echo Jukewright Script Loaded";

// True for the volumes that name an alias of the script's ladder.
bool isScriptVolumeStep(int volume);

// The track number that lies addition - 1 places after list index `index`, wrapping to the start.
std::int16_t loopVars(std::int16_t index, std::int16_t indexmax, std::int16_t addition);
// The track number that lies subtraction places before list index `index`, wrapping to the end.
std::int16_t loopVarsNeg(std::int16_t index, std::int16_t indexmax, std::int16_t subtraction);

// The text of mp3.cfg without its final line end. `names` holds each track's file name in "mp3s" and
// its name in the chat lines (see assignScriptNames); the play and loop lines name them in
// `trackFolder`.
std::string BuildScriptText(const AppState& state, const ScriptNames& names,
                            std::string_view trackFolder = ScriptTrackFolder);

// The bytes a save writes to mp3.cfg: the text in the system code page and its final CR LF.
std::string scriptFileBytes(const AppState& state, const ScriptNames& names,
                            std::string_view trackFolder = ScriptTrackFolder);

} // namespace jukewright
