#pragma once

#include "core/file_failure.h"
#include "core/message.h"

#include <array>
#include <string>
#include <string_view>

namespace jukewright {

// Shown when the mod has no key-binding list and none of ours fits it.
inline constexpr const char* KeyBindingListNotFoundText =
    "kb_act.lst could not be found, please check you have entered the correct path";

// The mods whose default list lies in "<data folder>\kb_act\<mod>\kb_act.lst", in the order they are tried.
inline constexpr std::array<const char*, 8> KnownMods = {"cstrike", "dod", "dmc",   "valve",
                                                         "gearbox", "tfc", "czero", "czeror"};

// One row of the list as the Controls menu reads it: the console command the key runs and its caption.
struct KeyBinding {
    const char* command;
    const char* caption;
};

// The "MP3 Player Controls" section: a titled block with one row for each jukebox command.
inline constexpr std::array<KeyBinding, 14> ControlsSection = {{
    {"blank", "========================="},
    {"blank", "MP3 Player Controls"},
    {"blank", "========================="},
    {"playtrack", "Play Track"},
    {"looptrack", "Loop Track"},
    {"mp3 stop", "Stop Playback"},
    {"nexttracks", "Next Track"},
    {"prevtrack", "Previous Track"},
    {"saytrack", "Say Track"},
    {"tsaytrack", "Team Say Track"},
    {"mp3volup", "MP3 Volume Up"},
    {"mp3voldown", "MP3 Volume Down"},
    {"gvolup", "Game Volume Up"},
    {"gvoldown", "Game Volume Down"},
}};

// The section as it is written: each row quoted, twelve spaces apart, ended by CR LF.
std::string controlsSectionBytes();

// The list a rewrite makes of `listBytes`: every row kept byte for byte except empty rows and an
// earlier controls section, each ended by CR LF, then the controls section. Any line end ends a row.
std::string keyBindingListBytes(std::string_view listBytes);
// The same list without any controls section: what is left when the jukebox is taken out.
std::string keyBindingListWithoutSection(std::string_view listBytes);
// How many controls sections the list holds (rows with the section's title).
int controlsSectionCount(std::string_view listBytes);

// True for a list in UTF-16 (a byte-order mark FF FE or FE FF, or any NUL byte): rows of ASCII added
// to it would be no rows the game can read.
bool isWideTextList(std::string_view listBytes);
// Why a save leaves such a list alone.
inline constexpr const char* WideTextListReason = "UTF-16 text: the controls section is not added to it";

// Adds the controls section to "<modFolder>\gfx\shell\kb_act.lst", first putting the default list of
// a known mod in place when the mod has none; without any list it tells the person so in `view`. A
// list the player had is first kept as "kb_act.lst.jukewright-backup" (see keepBackup); a UTF-16
// list is named and left as it is.
// Returns the files or folders that could not be read or written; a list that cannot be read is
// left as it is.
FileFailures WriteKeyBindingList(const std::string& modFolder, const std::string& dataFolder, MessageView& view);

} // namespace jukewright
