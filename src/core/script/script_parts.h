#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// The largest part of a script in the parts layout, line ends included.
inline constexpr std::size_t MaxScriptPartBytes = 16384;

// One file of a jukebox script: its name in the mod folder and its bytes.
struct ScriptFile {
    std::string name;
    std::string bytes;

    bool operator==(const ScriptFile&) const = default;
};

// "mp3_part<number>.cfg".
std::string scriptPartName(int number);
// "exec mp3_part<number>.cfg" with its CR LF.
std::string scriptPartExecRow(int number);
// The number of a file named exactly "mp3_part<number>.cfg" (number from 1, no leading zero), or
// nothing for any other name.
std::optional<int> scriptPartNumber(std::string_view fileName);

// The parts layout of a script, made from the bytes of its single mp3.cfg (CR LF rows): every alias
// row in its order goes into mp3_part1.cfg, mp3_part2.cfg, ... of at most `partBytes` bytes each (a
// row is never split; a row too long for a part on its own gets a part of its own). mp3.cfg runs
// the first part, each part ends by running the next one, and the last one ends with the script's
// other rows (the start-up volumes and the loaded notice). So both engines define every alias before
// those rows run: Half-Life runs a file too large for its buffer line by line, but only after
// running whatever already waits in the buffer, so rows after an exec in the same file would run
// before that file's aliases exist. The files come in the order to write them: the parts first,
// mp3.cfg last.
std::vector<ScriptFile> splitScript(std::string_view scriptBytes, std::size_t partBytes = MaxScriptPartBytes);

} // namespace jukewright
