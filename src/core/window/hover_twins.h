#pragma once

#include <array>
#include <string_view>

namespace jukewright {

// The highlighted twins of the four command buttons under the pointer. A button shows its twin; a
// twin keeps itself and hides the other three; the window's background, the title and the list
// background hide all four; every other control leaves them as they are.
class HoverTwins {
public:
    struct Pair {
        std::string_view button;
        std::string_view twin;
    };
    static constexpr std::array<Pair, 4> Pairs{{{"imgAdd", "imgAddb"},
                                                {"imgPlaylist", "imgPlaylistb"},
                                                {"imgRemove", "imgRemoveb"},
                                                {"imgWriteScript", "imgWriteScriptb"}}};
    // The window itself stands for its background.
    static constexpr std::array<std::string_view, 3> Resets{"frmMain", "imgTitle", "imgPlbg"};

    // The pointer moved over the control of this name; true when a twin came or went.
    bool pointerOver(std::string_view control);
    // The commands hide every twin before they run; a clicked twin hides itself.
    void hideAll() { m_shown = {}; }
    void hide(std::string_view twin);

    // In the order of Pairs.
    const std::array<bool, Pairs.size()>& shown() const { return m_shown; }

private:
    std::array<bool, Pairs.size()> m_shown{};
};

} // namespace jukewright
