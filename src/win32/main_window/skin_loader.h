#pragma once

#include "core/skin/skin_layout.h"
#include "win32/kit/pictures.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jukewright::win32 {

// One language's skin as read from background/<language>/ in the data folder: the twelve pictures in
// the order of the skin's controls, the layout packed by their sizes, and one row "file (reason)" for
// each picture that could not be read (its control stays empty at the designed size).
struct LoadedSkin {
    SkinTable<Picture> pictures;
    SkinTable<TwipsRect> layout;
    std::vector<std::string> failures;
};

LoadedSkin loadSkin(const std::string& dataFolder, std::int16_t language);

} // namespace jukewright::win32
