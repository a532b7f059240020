#pragma once

#include "core/library/library_catalog.h"
#include "win32/kit/designed_window.h"

#include <functional>
#include <string>
#include <vector>
#include <windows.h>
// These need windows.h before them.
#include <commctrl.h>

namespace jukewright::win32 {

// The media library window: artists and albums side by side, filled as the scan of the music folder
// goes, its status line and Refresh under them. Picking an artist shows its albums; a double click or
// Enter on an album, or on an artist, hands its tracks to the main window. Not modal; one window, which
// a second opening brings to the front. Its close box destroys it; the catalog it shows belongs to the
// main window, so the next opening shows the lists again without a new scan.
class frmMediaLib : public DesignedWindow {
public:
    struct Parts {
        LibraryCatalog& catalog;
        // The music folder as it is now: a folder other than the one listed is scanned at opening.
        std::function<std::string()> musicFolder;
        // Adds tracks to the track list, as the main window's add-track command does.
        std::function<void(const std::vector<std::string>&)> addTracks;
    };

    frmMediaLib(Parts parts, HWND owner);

    void show();
    // Shows what the catalog holds now; the lists it shows already are left as they are.
    void showCatalog();

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void create();
    void createTips();
    void tipText(NMTTDISPINFOW& tip);
    void lstArtists_Click();
    void cmdRefresh_Click();
    // A double click or Enter on a list: the tracks of the row it is on go to the track list.
    void chooseRow(HWND list);
    static LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    Parts m_parts;
    HWND m_owner;
    // What the lists show, row by row.
    std::vector<std::string> m_artistRows;
    std::vector<std::string> m_albumRows;
    // The tips, the row of a list under the pointer and the text of the tip showing.
    HWND m_tips = nullptr;
    int m_tipRow = -1;
    std::wstring m_tip;
};

} // namespace jukewright::win32
