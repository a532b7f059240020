#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_script.h"
#include "core/playlist/playlist_view.h"
#include "core/settings/preferences.h"
#include "core/settings/settings_store.h"
#include "core/window/hover_twins.h"
#include "core/window/open_file_dialog.h"
#include "core/window/save_guard.h"
#include "gui/dialogs/dialog_keeper.h"
#include "gui/main_window/skin_loader.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QUrl;

namespace jukewright {
class Desktop;
class Dialogs;
class LibraryCatalog;
struct DataFile;
} // namespace jukewright

namespace jukewright::gui {

class ClickLabel;
class PictureButton;
class PlaylistRows;
class SaveRun;
class WindowSaveView;
class frmBrowse;
class frmMediaLib;
class frmOptions;

// The main window: the track list and the mod-folder box inside the skin, the four commands as picture
// buttons with highlighted twins under the pointer, the menus, the language switch, and the doors to
// the other windows. The track commands and the save see it through views of their own (PlaylistRows,
// WindowSaveView); the commands themselves live in the core.
class frmMain : public QMainWindow, public MessageView {
    Q_OBJECT

public:
    frmMain(AppState& state, Dialogs& dialogs, Desktop& desktop, std::string dataFolder, QWidget* parent = nullptr);
    ~frmMain() override;

    bool isSaving() const { return m_saveGuard.saving(); }

    // Files given on the command line or handed over by a later start: taken as a drop on the list.
    void addFiles(const QStringList& paths);
    void addFiles(const std::vector<std::string>& files);

    void showMessage(const Message& message) override;

    // The track list as the track commands see it.
    PlaylistView& trackList();

Q_SIGNALS:
    // The program ends now: no window's own close handling runs any more.
    void programEnds();
    // A save asked for from this window has ended.
    void saveEnded(jukewright::SaveOutcome outcome);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectRoutes();
    void placeControls();

    void Form_Load();
    void Form_Unload();
    void endProgram();

    void imgAdd_Click();
    void imgAddb_Click();
    void imgPlaylist_Click();
    void imgPlaylistb_Click();
    void imgRemove_Click();
    void lstPlaylist_Drop(const QList<QUrl>& urls);
    void lstPlaylist_DeleteKey(const QKeyEvent& key);
    void imgWriteScript_Click();
    void imgEnglish_Click();
    void imgGerman_Click();
    void imgMediaLibary_Click();
    void libraryNews();
    void addLibraryTracks(const std::vector<std::string>& paths);
    void lblMorvane_Click();
    void lblJukewright_Click();
    void mnuReadme_Click();
    void mnuCheckJukebox_Click();
    void mnuXash3d_Click(bool checked);
    void mnuExit_Click();

    void switchLanguage(std::int16_t language);
    void LoadSkin(std::int16_t language);
    void pointerOver(const QString& control);
    void showHovers();
    void openDataFile(const DataFile& file);
    void saveFinished(SaveOutcome outcome);
    void hideHoverImages();
    frmOptions* createOptions();
    frmBrowse* createBrowse();

private Q_SLOTS:
    // The modal dialogs; while a save runs none of them opens.
    void mnuOptions_Click();
    void lblBrowse_Click();
    void mnuAbout_Click();

private:
    AppState& m_state;
    Dialogs& m_dialogs;
    Desktop& m_desktop;
    const std::string m_dataFolder;
    OpenFileDialog cdcMain;
    // What settings.jst has no record for: the script layout.
    Preferences m_preferences;

    PictureButton* imgTitle = nullptr;
    PictureButton* imgLeftside = nullptr;
    PictureButton* imgAdd = nullptr;
    PictureButton* imgPlaylist = nullptr;
    PictureButton* imgRemove = nullptr;
    PictureButton* imgWriteScript = nullptr;
    PictureButton* imgRightside = nullptr;
    PictureButton* imgPlbg = nullptr;
    PictureButton* imgAddb = nullptr;
    PictureButton* imgPlaylistb = nullptr;
    PictureButton* imgRemoveb = nullptr;
    PictureButton* imgWriteScriptb = nullptr;
    QListWidget* lstPlaylist = nullptr;
    QLabel* imgModFold = nullptr;
    QLabel* lblModPath = nullptr;
    QComboBox* cboSteamFolder = nullptr;
    ClickLabel* lblBrowse = nullptr;
    PictureButton* imgEnglish = nullptr;
    PictureButton* imgGerman = nullptr;
    PictureButton* imgMediaLibary = nullptr;
    ClickLabel* lblMorvane = nullptr;
    ClickLabel* lblJukewright = nullptr;

    // The menu items the window routes; the menus and separators are found by their names.
    QAction* mnuAddTrack = nullptr;
    QAction* mnuAddPlaylist = nullptr;
    QAction* mnuRemove = nullptr;
    QAction* mnuSaveScript = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuEnglish = nullptr;
    QAction* mnuGerman = nullptr;
    QAction* mnuCheckJukebox = nullptr;
    QAction* mnuXash3d = nullptr;
    QAction* mnuReadme = nullptr;
    QAction* mnuAbout = nullptr;

    // The track list and the mod-folder box as the core's commands and the save see them; made with
    // the controls.
    std::unique_ptr<PlaylistRows> m_rows;
    std::unique_ptr<WindowSaveView> m_saveView;
    // settings.jst, read at start-up, stored at shutdown and by the options dialog; its messages have
    // this window as their owner.
    std::unique_ptr<SettingsStore> m_settings;

    QPointer<frmMediaLib> m_mediaLibrary;
    // The music folder as read so far; it outlives the library window, so a window opened again shows
    // it at once. Its scan tells this window of news from the scan's own thread.
    std::unique_ptr<LibraryCatalog> m_library;
    // Options and Browse keep their state between showings until their close box destroys them.
    DialogKeeper<frmOptions> m_options{[this] { return createOptions(); }};
    DialogKeeper<frmBrowse> m_browse{[this] { return createBrowse(); }};

    // Which highlighted twins show, and what waits for the running save: the rules both windows share.
    HoverTwins m_hover;
    SaveGuard m_saveGuard;
    // The timestamps of Delete releases not yet acted on: a press with the same one makes it a repeat.
    std::vector<quint64> m_deleteReleases;
    // The last Delete release, and whether the press it belongs to has removed already.
    quint64 m_lastDeleteRelease = 0;
    bool m_deleteRemoved = false;
    // The running save, if any. Declared last, so that a save still running when the window goes ends
    // while the window is whole.
    std::unique_ptr<SaveRun> m_saveRun;
};

} // namespace jukewright::gui

Q_DECLARE_METATYPE(jukewright::SaveOutcome)
