#pragma once

#include <cstddef>

namespace jukewright {

// How a save lays out the jukebox script in the mod folder.
enum class ScriptLayout {
    // One mp3.cfg, the layout Half-Life loads.
    SingleFile,
    // The alias lines in mp3_part1.cfg, mp3_part2.cfg, ... of at most 16 KB each, run in a chain from
    // a short mp3.cfg: Xash3D-based engines drop an exec'd file over 32,766 bytes, Half-Life loads both.
    Parts,
    // Parts in the mod folder of an Xash3D installation (see detectEngine), one mp3.cfg elsewhere.
    Automatic,
};

// The longest mp3.cfg, final line end included, that Xash3D-based engines run from the hook row of
// userconfig.cfg: a file goes into their command buffer of 32,768 bytes only when it leaves a byte
// free, and the hook row's LF still waits there (the engine ends the command at its CR).
inline constexpr std::size_t MaxPortableScriptBytes = 32766;

} // namespace jukewright
