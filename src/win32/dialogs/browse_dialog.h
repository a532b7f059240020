#pragma once

#include "core/steam/mod_folders.h"
#include "core/window/dialogs.h"
#include "win32/kit/designed_window.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace jukewright::win32 {

// Where the folder browser looks: the home folder, the working folder, the drives its drive list
// offers and the Steam folders its list of installed mods comes from.
struct BrowsePlaces {
    std::string home;
    std::string workingFolder;
    std::vector<std::string> roots;
    std::vector<std::string> steamFolders;

    static BrowsePlaces ofThisSystem();
};

// The mod folder browser: a drive list, a directory list and an editable path box. OK hands the
// path box's text, unchanged, to the mod-folder box; Cancel changes nothing. OK and Cancel hide the
// dialog, so it shows again as it was left; its close box destroys it, and the next showing starts
// afresh. Beside the folders, the Half-Life mods installed through Steam, looked for at every showing:
// choosing one opens its folder and confirms it, as OK would.
class frmBrowse : public DesignedWindow {
public:
    frmBrowse(std::function<void(const std::string&)> setModFolder, Dialogs& dialogs, BrowsePlaces places, HWND owner);
    ~frmBrowse() override;

    // Shows the dialog modal over its owner until OK, Cancel or the close box ends it.
    void exec();
    // The folder the directory list shows.
    const std::string& path() const { return m_path; }

private:
    // A row of the directory list: the folder, how deep it is drawn, and whether it is one of the open
    // folders above the current one (the current one included) or a folder inside it.
    struct FolderRow {
        std::string folder;
        int level;
        bool open;
    };

    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void create();
    void Form_Load();
    void Drive1_Change();
    void dirBrowse_Change();
    void cmdOk_Click();
    void cmdCancel_Click();
    void onEnter();
    void findMods();
    void lstMods_Choose(int row);
    // Shows the folder in the directory list; a folder that cannot be read is reported and the list
    // keeps its path.
    bool openFolder(const std::string& folder);
    void openSelectedFolder();
    void showFolder(const std::string& folder, const std::vector<std::string>& subfolders);
    void selectDriveOf(const std::string& folder);
    void drawRow(const DRAWITEMSTRUCT& item) const;
    static LRESULT CALLBACK modsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);

    std::function<void(const std::string&)> m_setModFolder;
    Dialogs& m_dialogs;
    BrowsePlaces m_places;
    HWND m_owner;
    std::vector<InstalledMod> m_mods;
    std::vector<FolderRow> m_rows;
    std::string m_path;
    // The open folder, the closed folder and the drive, as the shell draws them.
    std::array<HICON, 3> m_folderIcons;
};

} // namespace jukewright::win32
