#pragma once

namespace jukewright {

// How a save lays out the jukebox script in the mod folder.
enum class ScriptLayout {
    // One mp3.cfg, the layout Half-Life loads.
    SingleFile,
    // The alias lines in mp3_part1.cfg, mp3_part2.cfg, ... of at most 16 KB each, run by a short
    // mp3.cfg: Xash3D-based engines drop an exec'd file over 32,766 bytes, Half-Life loads both.
    Parts,
};

} // namespace jukewright
