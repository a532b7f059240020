#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace jukewright {

// The languages of the window, as the settings file stores them.
inline constexpr std::int16_t English = 1;
inline constexpr std::int16_t German = 2;

// The main window's captions and the files its links open, in the data folder: the free track's origin
// and licence, and the player's guide.
struct MainWindowTexts {
    static constexpr std::string_view Caption = "Jukewright - Your Game. Your Music.";
    static constexpr std::string_view MorvaneCaption = "Music by Morvane: www.morvane.net";
    static constexpr std::string_view JukewrightCaption = "Jukewright homepage: jukewright.org";
    static constexpr std::string_view BrowseCaption = "...";
    static constexpr std::string_view BrowseTip = "Browse for the mod folder";
    static constexpr std::string_view FreeTrackNote = "free_track.txt";
    static constexpr std::string_view PlayersGuide = "readme.txt";
};

// The caption over the mod-folder box; its example names the place a player of this system finds the
// mod folders in.
constexpr std::string_view modPathCaption(std::int16_t language) {
#ifdef _WIN32
    return language == German ? "Pfad: (e.g. C:\\Program Files\\Steam\\steam apps\\counter-strike\\cstrike)"
                              : "Mod Path: (e.g. C:\\Program Files\\Steam\\steam apps\\counter-strike\\cstrike)";
#else
    return language == German ? "Pfad: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)"
                              : "Mod Path: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)";
#endif
}

// The skin folder of a language, inside background/.
constexpr std::string_view skinFolder(std::int16_t language) {
    return language == German ? "german" : "english";
}

// One row of the menu bar, in the order shown: a menu opens with `Menu` and closes with `End`; a
// separator has no caption.
struct MenuRow {
    enum Kind { Menu, Item, CheckItem, Separator, End };
    Kind kind;
    std::string_view name;
    std::string_view caption;
};

inline constexpr std::array<MenuRow, 22> MainMenuRows{{
    {MenuRow::Menu, "mnuFile", "File"},
    {MenuRow::Item, "mnuAddTrack", "Add Track..."},
    {MenuRow::Item, "mnuAddPlaylist", "Add Playlist..."},
    {MenuRow::Item, "mnuRemove", "Remove"},
    {MenuRow::Item, "mnuSaveScript", "Save Script"},
    {MenuRow::Separator, "mnuSep1", ""},
    {MenuRow::Item, "mnuExit", "Exit"},
    {MenuRow::End, "", ""},
    {MenuRow::Menu, "mnuOpt", "Tools"},
    {MenuRow::Item, "mnuOptions", "Options..."},
    {MenuRow::Menu, "mnuLang", "Language"},
    {MenuRow::CheckItem, "mnuEnglish", "English"},
    {MenuRow::CheckItem, "mnuGerman", "German"},
    {MenuRow::End, "", ""},
    {MenuRow::Separator, "mnuSep2", ""},
    {MenuRow::Item, "mnuCheckJukebox", "Check Jukebox..."},
    {MenuRow::CheckItem, "mnuXash3d", "Xash3D-compatible script"},
    {MenuRow::End, "", ""},
    {MenuRow::Menu, "mnuHelp", "Help"},
    {MenuRow::Item, "mnuReadme", "Readme"},
    {MenuRow::Item, "mnuAbout", "About..."},
    {MenuRow::End, "", ""},
}};

} // namespace jukewright
