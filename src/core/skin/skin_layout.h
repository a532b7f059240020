#pragma once

#include "core/skin/twips.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace jukewright {

// The pictures of a skin, in the order the skin is loaded.
enum class SkinPart : std::size_t {
    Title,
    Leftside,
    Add,
    Playlist,
    Remove,
    WriteScript,
    Rightside,
    Plbg,
    Addb,
    Playlistb,
    Removeb,
    WriteScriptb,
};
inline constexpr std::size_t SkinPartCount = 12;

template <typename T> using SkinTable = std::array<T, SkinPartCount>;

struct SkinPicture {
    std::string_view file;    // inside background/<language>/
    std::string_view control; // the main window's control that shows it
};

inline constexpr SkinTable<SkinPicture> SkinPictures{{
    {"title.jpg", "imgTitle"},
    {"leftside.jpg", "imgLeftside"},
    {"addtrack.jpg", "imgAdd"},
    {"addplaylist.jpg", "imgPlaylist"},
    {"removetrack.jpg", "imgRemove"},
    {"savescript.jpg", "imgWriteScript"},
    {"rightside.jpg", "imgRightside"},
    {"playlist.jpg", "imgPlbg"},
    {"addtrackg.jpg", "imgAddb"},
    {"addplaylistg.jpg", "imgPlaylistb"},
    {"removetrackg.jpg", "imgRemoveb"},
    {"savescriptg.jpg", "imgWriteScriptb"},
}};

// The skin controls as the window is designed, before any skin is loaded; each highlighted twin
// lies on its button.
inline constexpr SkinTable<TwipsRect> DesignedSkinLayout{{
    {0, 0, 15360, 2490},      // imgTitle
    {0, 2490, 480, 735},      // imgLeftside
    {480, 2490, 2205, 735},   // imgAdd
    {2685, 2490, 2430, 735},  // imgPlaylist
    {5115, 2490, 2805, 735},  // imgRemove
    {7920, 2490, 2475, 735},  // imgWriteScript
    {10395, 2490, 4965, 735}, // imgRightside
    {-15, 3240, 15360, 8295}, // imgPlbg
    {480, 2490, 2205, 735},   // imgAddb
    {2685, 2490, 2430, 735},  // imgPlaylistb
    {5115, 2490, 2805, 735},  // imgRemoveb
    {7920, 2490, 2475, 735},  // imgWriteScriptb
}};

constexpr std::size_t indexOf(SkinPart part) {
    return static_cast<std::size_t>(part);
}

// Lays the skin controls out from the sizes of the pictures just loaded: the button row packs left to
// right under the title by the pictures' widths, the list background goes below the row, each
// highlighted twin onto its button. The title keeps its own size and stretches its picture; every
// other control takes its picture's size. A picture that could not be loaded (nullopt) leaves its
// control at the designed size, so the rest of the row stays in place.
SkinTable<TwipsRect> packSkin(const SkinTable<std::optional<TwipsSize>>& pictures);

} // namespace jukewright
