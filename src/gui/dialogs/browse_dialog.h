#pragma once

#include "core/steam/mod_folders.h"
#include "gui/dialogs/kept_dialog.h"

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace jukewright {
class Dialogs;
}

namespace jukewright::gui {

class DirectoryList;

// Where the folder browser looks: the home folder (for Steam's folders), the working folder, the
// roots its drive list offers and the Steam folders its list of installed mods comes from.
struct BrowsePlaces {
    std::string home;
    std::string workingFolder;
    std::vector<std::string> roots;
    std::vector<std::string> steamFolders;

    static BrowsePlaces ofThisSystem();
};

// The mod folder browser: a drive list, a directory list and an editable path box. OK hands the
// path box's text, unchanged, to the mod-folder box; Cancel changes nothing. OK and Cancel hide the
// dialog, its close box destroys it. Beside the folders, the Half-Life mods installed through Steam,
// looked for at every showing: choosing one opens its folder and confirms it, as OK would.
class frmBrowse : public KeptDialog {
    Q_OBJECT

public:
    frmBrowse(std::function<void(const QString&)> setModFolder, Dialogs& dialogs, BrowsePlaces places,
              QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Drive1_Change(int index);
    void dirBrowse_Change();
    void cmdOk_Click();
    void cmdCancel_Click() override;
    void findMods();
    void lstMods_Choose(QListWidgetItem* item);
    // Shows the folder in the directory list; a folder that cannot be read is reported and the list
    // keeps its path.
    bool openFolder(const std::string& folder);
    void selectDriveOf(const QString& folder);

    std::function<void(const QString&)> m_setModFolder;
    Dialogs& m_dialogs;
    BrowsePlaces m_places;
    std::vector<InstalledMod> m_mods;

    QLabel* Label3;
    QLineEdit* txtPath;
    QComboBox* Drive1;
    DirectoryList* dirBrowse;
    QLabel* lblMods;
    QListWidget* lstMods;
    QLabel* lblNoMods;
    QPushButton* cmdCancel;
    QPushButton* cmdOk;
};

} // namespace jukewright::gui
