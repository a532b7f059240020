#pragma once

#include <string>
#include <vector>

namespace jukewright {

// Which script files in a mod folder are a Jukewright script, so that a removal never deletes a
// player's own mp3.cfg.
struct JukeboxScriptFiles {
    // mp3.cfg holds the loaded notice, or runs a chain of parts that ends in it.
    bool script = false;
    // The parts of the chain mp3_part1.cfg, mp3_part2.cfg, ... that ends in a part holding the
    // notice; empty when the chain is broken or ends elsewhere.
    std::vector<int> parts;
};
JukeboxScriptFiles findJukeboxScriptFiles(const std::string& modFolder);

} // namespace jukewright
