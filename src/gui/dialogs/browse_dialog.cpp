#include "gui/dialogs/browse_dialog.h"

#include "core/browse/folder_tree.h"
#include "core/steam/mod_list_rows.h"
#include "core/steam/steam_libraries.h"
#include "core/window/browse_design.h"
#include "core/window/dialogs.h"
#include "gui/dialogs/dialog_look.h"
#include "gui/dialogs/directory_list.h"
#include "gui/widgets/window_colours.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <utility>

namespace jukewright::gui {

namespace {

std::string systemPath(const QString& qtPath) {
    return QDir::toNativeSeparators(qtPath).toStdString();
}

} // namespace

BrowsePlaces BrowsePlaces::ofThisSystem() {
    BrowsePlaces places{systemPath(QDir::homePath()), systemPath(QDir::currentPath()), {}, systemSteamFolders()};
    places.roots = systemRoots(places.home);
    return places;
}

frmBrowse::frmBrowse(std::function<void(const QString&)> setModFolder, Dialogs& dialogs, BrowsePlaces places,
                     QWidget* parent)
    : KeptDialog(parent), m_setModFolder(std::move(setModFolder)), m_dialogs(dialogs), m_places(std::move(places)) {
    using Design = BrowseDesign;
    shapeDialog(this, Design::Window);

    Label3 = makeControl<QLabel>(this, Design::Label3);
    txtPath = makeControl<QLineEdit>(this, Design::txtPath);
    Drive1 = makeControl<QComboBox>(this, Design::Drive1);
    dirBrowse = makeControl<DirectoryList>(this, Design::dirBrowse);
    lblMods = makeControl<QLabel>(this, Design::lblMods);
    lstMods = makeControl<QListWidget>(this, Design::lstMods);
    paintOrange(*lstMods);
    lblNoMods = makeControl<QLabel>(this, Design::lblNoMods);
    lblNoMods->setWordWrap(true);
    lblNoMods->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdCancel = makeControl<QPushButton>(this, Design::cmdCancel);
    cmdOk = makeControl<QPushButton>(this, Design::cmdOk);
    cmdOk->setDefault(true);
    for (const std::string& root : m_places.roots)
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QString::fromStdString(root));

    // Only the person's choice is a drive change; the program moving the list's row is not.
    connect(Drive1, &QComboBox::activated, this, &frmBrowse::Drive1_Change);
    connect(dirBrowse, &DirectoryList::openRequested, this,
            [this](const QString& folder) { openFolder(folder.toStdString()); });
    // One click chooses a mod; Enter on the list (activation) does too.
    connect(lstMods, &QListWidget::itemClicked, this, &frmBrowse::lstMods_Choose);
    connect(lstMods, &QListWidget::itemActivated, this, &frmBrowse::lstMods_Choose);
    connect(cmdOk, &QPushButton::clicked, this, &frmBrowse::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBrowse::cmdCancel_Click);

    Form_Load();
}

void frmBrowse::showEvent(QShowEvent* event) {
    findMods();
    QDialog::showEvent(event);
}

void frmBrowse::Form_Load() {
    const std::string start = browseStartFolder(m_places.home, m_places.workingFolder);
    if (!openFolder(start) && start != m_places.workingFolder)
        openFolder(m_places.workingFolder);
    txtPath->setText(dirBrowse->path());
}

void frmBrowse::Drive1_Change(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_places.roots.size())
        return;
    if (!openFolder(m_places.roots[static_cast<std::size_t>(index)]))
        selectDriveOf(dirBrowse->path());
}

void frmBrowse::dirBrowse_Change() {
    txtPath->setText(dirBrowse->path());
}

void frmBrowse::cmdOk_Click() {
    if (m_setModFolder)
        m_setModFolder(txtPath->text());
    accept();
}

void frmBrowse::cmdCancel_Click() {
    hideCancelled();
}

// Looked for again at each showing, so a mod installed while the program runs is listed. Only this
// list changes: the remembered mod folders are the save's alone.
void frmBrowse::findMods() {
    const InstalledMods installed = findInstalledMods(m_places.steamFolders);
    m_mods = installed.mods;
    lstMods->clear();
    const std::vector<std::string> rows = modListRows(m_mods);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* row = new QListWidgetItem(QString::fromStdString(rows[i]), lstMods);
        row->setToolTip(QString::fromStdString(m_mods[i].folder));
    }
    // A library list that could not be read leaves mods out: the note below the rows says so.
    const std::string note = modListNote(installed);
    lblNoMods->setText(QString::fromStdString(note));
    const ModListFace face = modListFace(m_mods.size(), note);
    placeTwips(lstMods, face.rows);
    placeTwips(lblNoMods, face.note);
    lstMods->setVisible(face.showRows);
    lblNoMods->setVisible(face.showNote);
}

// As if the person had opened the mod's folder in the folder list and pressed Ok; a folder that cannot
// be opened is reported by the list and nothing is confirmed.
void frmBrowse::lstMods_Choose(QListWidgetItem* item) {
    const int row = lstMods->row(item);
    // A click that also activates the row chooses once: the first choice has hidden the dialog.
    if (!isVisible() || row < 0 || static_cast<std::size_t>(row) >= m_mods.size())
        return;
    if (openFolder(m_mods[static_cast<std::size_t>(row)].folder))
        cmdOk_Click();
}

bool frmBrowse::openFolder(const std::string& folder) {
    const FolderListing listing = listSubfolders(folder);
    if (listing.error) {
        m_dialogs.showMessage(unreadableFolderMessage(folder, listing.error));
        return false;
    }
    dirBrowse->showFolder(folder, listing.subfolders);
    selectDriveOf(dirBrowse->path());
    dirBrowse_Change();
    return true;
}

void frmBrowse::selectDriveOf(const QString& folder) {
    if (!m_places.roots.empty())
        Drive1->setCurrentIndex(static_cast<int>(rootIndexFor(m_places.roots, folder.toStdString())));
}

} // namespace jukewright::gui
