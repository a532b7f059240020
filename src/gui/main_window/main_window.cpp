#include "gui/main_window/main_window.h"

#include "core/jukebox/check_report.h"
#include "core/jukebox/jukebox_check.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_drop.h"
#include "core/playlist/track_list.h"
#include "core/startup/startup.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/check_dialog.h"
#include "gui/dialogs/media_library.h"
#include "gui/dialogs/options_dialog.h"
#include "core/window/main_window_geometry.h"
#include "gui/main_window/playlist_rows.h"
#include "gui/main_window/save_run.h"
#include "gui/main_window/save_view.h"
#include "gui/main_window/startup_view.h"
#include "gui/platform/desktop.h"
#include "gui/platform/desktop_folders.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/screen_fit.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/picture_button.h"
#include "gui/widgets/twips_geometry.h"
#include "gui/widgets/window_colours.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace jukewright::gui {

namespace {

constexpr std::int16_t English = 1;
constexpr std::int16_t German = 2;

// The example names the place a player of this system finds the mod folders in.
#ifdef _WIN32
const QString EnglishModPath =
    QStringLiteral("Mod Path: (e.g. C:\\Program Files\\Steam\\steam apps\\counter-strike\\cstrike)");
const QString GermanModPath =
    QStringLiteral("Pfad: (e.g. C:\\Program Files\\Steam\\steam apps\\counter-strike\\cstrike)");
#else
const QString EnglishModPath = QStringLiteral("Mod Path: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)");
const QString GermanModPath = QStringLiteral("Pfad: (e.g. ~/.steam/steam/steamapps/common/Half-Life/cstrike)");
#endif

// The window's own background: the pointer over it, and over nothing else, resets the hover images.
class Background : public QWidget {
    Q_OBJECT

public:
    explicit Background(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("frmMainBackground"));
        setMouseTracking(true);
    }

Q_SIGNALS:
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!childAt(event->position().toPoint()))
            Q_EMIT pointerMoved();
    }
};

// The font of the list and the box; where the system lacks Tahoma its sans-serif face stands in.
QFont tahoma() {
    QFont font(QStringLiteral("Tahoma"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QPixmap storedPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

frmMain::frmMain(AppState& state, Dialogs& dialogs, Desktop& desktop, std::string dataFolder, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs), m_desktop(desktop), m_dataFolder(std::move(dataFolder)),
      cdcMain(dialogs), m_preferences(preferencesFilePath().toStdString()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Caption);
    setWindowIcon(QIcon(storedPicture(QStringLiteral("jukewright"))));
    createControls();
    m_rows = std::make_unique<PlaylistRows>(
        PlaylistRows::Parts{this, m_dialogs, lstPlaylist, [this] { hideHoverImages(); }});
    m_saveView = std::make_unique<WindowSaveView>(
        WindowSaveView::Parts{this, m_dialogs, cboSteamFolder, [this] { hideHoverImages(); }});
    m_settings = std::make_unique<SettingsStore>(settingsFilePath(), *m_rows);
    createMenus();
    placeControls();
    connectRoutes();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto* background = new Background(this);
    background->setFixedSize(toPixels(MainWindowGeometry::ClientArea));
    paintOrange(*background);
    setCentralWidget(background);
    connect(background, &Background::pointerMoved, this, [this] { hideHoversExcept(nullptr); });

    const auto picture = [background](const char* name) {
        return new PictureButton(QString::fromLatin1(name), background);
    };
    // Created bottom to top: the list background first, each highlighted twin above its button.
    imgPlbg = picture("imgPlbg");
    imgTitle = picture("imgTitle");
    imgTitle->setStretched(true);
    imgLeftside = picture("imgLeftside");
    imgAdd = picture("imgAdd");
    imgPlaylist = picture("imgPlaylist");
    imgRemove = picture("imgRemove");
    imgWriteScript = picture("imgWriteScript");
    imgRightside = picture("imgRightside");
    imgAddb = picture("imgAddb");
    imgPlaylistb = picture("imgPlaylistb");
    imgRemoveb = picture("imgRemoveb");
    imgWriteScriptb = picture("imgWriteScriptb");
    for (PictureButton* twin : {imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb})
        twin->hide();
    for (PictureButton* button :
         {imgAdd, imgPlaylist, imgRemove, imgWriteScript, imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb})
        button->setCursor(Qt::PointingHandCursor);

    lstPlaylist = new QListWidget(background);
    lstPlaylist->setObjectName(QStringLiteral("lstPlaylist"));
    lstPlaylist->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPlaylist->setUniformItemSizes(true);
    lstPlaylist->setFont(tahoma());
    paintOrange(*lstPlaylist);
    lstPlaylist->installEventFilter(this);
    // Files dropped on the list go through the add and import rules, never the list's own moves.
    lstPlaylist->setAcceptDrops(true);
    lstPlaylist->viewport()->installEventFilter(this);

    imgModFold = new QLabel(background);
    imgModFold->setObjectName(QStringLiteral("imgModFold"));
    imgModFold->setPixmap(storedPicture(QStringLiteral("modfolder")));

    lblModPath = new QLabel(background);
    lblModPath->setObjectName(QStringLiteral("lblModPath"));

    cboSteamFolder = new QComboBox(background);
    cboSteamFolder->setObjectName(QStringLiteral("cboSteamFolder"));
    cboSteamFolder->setEditable(true);
    cboSteamFolder->setInsertPolicy(QComboBox::NoInsert);
    cboSteamFolder->setFont(tahoma());
    paintOrange(*cboSteamFolder);
    cboSteamFolder->setCurrentIndex(-1);

    lblBrowse = new ClickLabel(QStringLiteral("lblBrowse"), QStringLiteral("..."), background);
    lblBrowse->setAlignment(Qt::AlignCenter);
    QFont browseFont = lblBrowse->font();
    browseFont.setBold(true);
    browseFont.setPointSize(browseFont.pointSize() + 3);
    lblBrowse->setFont(browseFont);
    lblBrowse->setToolTip(QStringLiteral("Browse for the mod folder"));

    imgEnglish = picture("imgEnglish");
    imgEnglish->setPicture(storedPicture(QStringLiteral("flag_english")));
    imgEnglish->setToolTip(QStringLiteral("English"));
    imgGerman = picture("imgGerman");
    imgGerman->setPicture(storedPicture(QStringLiteral("flag_german")));
    imgGerman->setToolTip(QStringLiteral("German"));
    imgMediaLibary = picture("imgMediaLibary");
    imgMediaLibary->setPicture(storedPicture(QStringLiteral("medialibrary")));
    for (PictureButton* button : {imgEnglish, imgGerman, imgMediaLibary})
        button->setCursor(Qt::PointingHandCursor);

    const auto link = [this, background](const char* name, const QString& caption, const QString& file) {
        auto* label = new ClickLabel(QString::fromLatin1(name), caption, background);
        label->setToolTip(QDir::toNativeSeparators(QDir(QString::fromStdString(m_dataFolder)).filePath(file)));
        return label;
    };
    lblMorvane = link("lblMorvane", MorvaneCaption, FreeTrackNote);
    lblJukewright = link("lblJukewright", JukewrightCaption, PlayersGuide);
}

void frmMain::createMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuAddTrack = item(mnuFile, "mnuAddTrack", QStringLiteral("Add Track..."));
    mnuAddPlaylist = item(mnuFile, "mnuAddPlaylist", QStringLiteral("Add Playlist..."));
    mnuRemove = item(mnuFile, "mnuRemove", QStringLiteral("Remove"));
    mnuSaveScript = item(mnuFile, "mnuSaveScript", QStringLiteral("Save Script"));
    mnuSep1 = mnuFile->addSeparator();
    mnuSep1->setObjectName(QStringLiteral("mnuSep1"));
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("Exit"));

    mnuOpt = menuBar()->addMenu(QStringLiteral("Tools"));
    mnuOpt->setObjectName(QStringLiteral("mnuOpt"));
    mnuOptions = item(mnuOpt, "mnuOptions", QStringLiteral("Options..."));
    mnuLang = mnuOpt->addMenu(QStringLiteral("Language"));
    mnuLang->setObjectName(QStringLiteral("mnuLang"));
    mnuEnglish = item(mnuLang, "mnuEnglish", QStringLiteral("English"));
    mnuGerman = item(mnuLang, "mnuGerman", QStringLiteral("German"));
    mnuEnglish->setCheckable(true);
    mnuGerman->setCheckable(true);
    mnuSep2 = mnuOpt->addSeparator();
    mnuSep2->setObjectName(QStringLiteral("mnuSep2"));
    mnuCheckJukebox = item(mnuOpt, "mnuCheckJukebox", QStringLiteral("Check Jukebox..."));
    mnuXash3d = item(mnuOpt, "mnuXash3d", QStringLiteral("Xash3D-compatible script"));
    mnuXash3d->setCheckable(true);

    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuReadme = item(mnuHelp, "mnuReadme", QStringLiteral("Readme"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("About..."));
}

void frmMain::placeControls() {
    using L = MainWindowGeometry;
    const auto place = [](QWidget* control, const TwipsRect& rect) { control->setGeometry(toPixels(rect)); };
    place(lstPlaylist, L::lstPlaylist);
    place(imgModFold, L::imgModFold);
    place(lblModPath, L::lblModPath);
    place(cboSteamFolder, L::cboSteamFolder);
    place(lblBrowse, L::lblBrowse);
    place(lblMorvane, L::lblMorvane);
    place(lblJukewright, L::lblJukewright);
    // Pictures stored with the window keep their own size; the table gives their place.
    for (auto [picture, rect] : {std::pair{imgEnglish, L::imgEnglish}, std::pair{imgGerman, L::imgGerman},
                                 std::pair{imgMediaLibary, L::imgMediaLibary}})
        picture->move(toPixels(rect).topLeft());
    const SkinControls skin = {imgTitle,     imgLeftside, imgAdd,  imgPlaylist,  imgRemove,  imgWriteScript,
                               imgRightside, imgPlbg,     imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb};
    for (std::size_t i = 0; i < SkinPartCount; ++i)
        skin[i]->setGeometry(toPixels(DesignedSkinLayout[i]));
}

void frmMain::connectRoutes() {
    connect(imgAdd, &PictureButton::clicked, this, &frmMain::imgAdd_Click);
    connect(imgAddb, &PictureButton::clicked, this, &frmMain::imgAddb_Click);
    connect(mnuAddTrack, &QAction::triggered, this, &frmMain::imgAdd_Click);
    connect(imgPlaylist, &PictureButton::clicked, this, &frmMain::imgPlaylist_Click);
    connect(imgPlaylistb, &PictureButton::clicked, this, &frmMain::imgPlaylistb_Click);
    connect(mnuAddPlaylist, &QAction::triggered, this, &frmMain::imgPlaylist_Click);
    connect(imgRemove, &PictureButton::clicked, this, &frmMain::imgRemove_Click);
    connect(imgRemoveb, &PictureButton::clicked, this, &frmMain::imgRemove_Click);
    connect(mnuRemove, &QAction::triggered, this, &frmMain::imgRemove_Click);
    connect(imgWriteScript, &PictureButton::clicked, this, &frmMain::imgWriteScript_Click);
    connect(imgWriteScriptb, &PictureButton::clicked, this, &frmMain::imgWriteScript_Click);
    connect(mnuSaveScript, &QAction::triggered, this, &frmMain::imgWriteScript_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(imgEnglish, &PictureButton::clicked, this, &frmMain::imgEnglish_Click);
    connect(mnuEnglish, &QAction::triggered, this, &frmMain::imgEnglish_Click);
    connect(imgGerman, &PictureButton::clicked, this, &frmMain::imgGerman_Click);
    connect(mnuGerman, &QAction::triggered, this, &frmMain::imgGerman_Click);
    connect(imgMediaLibary, &PictureButton::clicked, this, &frmMain::imgMediaLibary_Click);
    connect(lblBrowse, &ClickLabel::clicked, this, &frmMain::lblBrowse_Click);
    connect(lblMorvane, &ClickLabel::clicked, this, &frmMain::lblMorvane_Click);
    connect(lblJukewright, &ClickLabel::clicked, this, &frmMain::lblJukewright_Click);
    connect(mnuOptions, &QAction::triggered, this, &frmMain::mnuOptions_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuReadme, &QAction::triggered, this, &frmMain::mnuReadme_Click);
    connect(mnuCheckJukebox, &QAction::triggered, this, &frmMain::mnuCheckJukebox_Click);
    connect(mnuXash3d, &QAction::triggered, this, &frmMain::mnuXash3d_Click);

    // The hover protocol: a button shows its twin; a twin hides the other three; the background, the
    // title and the list background hide all four. Every other control leaves them as they are.
    const std::pair<PictureButton*, PictureButton*> pairs[] = {
        {imgAdd, imgAddb}, {imgPlaylist, imgPlaylistb}, {imgRemove, imgRemoveb}, {imgWriteScript, imgWriteScriptb}};
    for (auto [button, twin] : pairs) {
        connect(button, &PictureButton::pointerMoved, this, [this, twin = twin] { showHover(twin); });
        connect(twin, &PictureButton::pointerMoved, this, [this, twin = twin] { hideHoversExcept(twin); });
    }
    for (PictureButton* reset : {imgTitle, imgPlbg})
        connect(reset, &PictureButton::pointerMoved, this, [this] { hideHoversExcept(nullptr); });
}

// Start-up, in its order: the highlighted twins go onto their buttons, the screen check, the special
// folders and the open-file dialog's first folder; then the steps that follow from the settings file
// (its defaults, the stored settings, the language with its skin, the free track, the font).
void frmMain::Form_Load() {
    for (auto [twin, button] : {std::pair{imgAddb, imgAdd}, std::pair{imgPlaylistb, imgPlaylist},
                                std::pair{imgRemoveb, imgRemove}, std::pair{imgWriteScriptb, imgWriteScript}})
        twin->move(button->pos());
    fitToScreen(*this, *lstPlaylist);

    ResolveSpecialFolders(m_state, *m_rows);
    cdcMain.setInitialFolder(QString::fromStdString(m_state.MusicFolder));
    WindowStartUpView view({this, m_dialogs, *m_rows, cboSteamFolder, [this] { imgEnglish_Click(); },
                            [this] { imgGerman_Click(); }, [this] { m_rows->flushRows(); }});
    startFromSettings(m_state, *m_settings, view, m_dataFolder);
    m_rows->flushRows();
    m_state.Layout = m_preferences.scriptLayout();
    mnuXash3d->setChecked(m_state.Layout == ScriptLayout::Parts);
}

// The shutdown the close box runs: the settings save belongs here, before the program ends.
void frmMain::Form_Unload() {
    m_settings->SaveExitSettings(m_state);
    endProgram();
}

void frmMain::endProgram() {
    // Other windows go without their own close handling.
    delete m_mediaLibrary;
    m_saveView->dropProgressWindow();
    Q_EMIT programEnds();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (isSaving()) {
        // The save ends first; the window closes then.
        m_closeAfterSave = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstPlaylist->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls() && !isSaving())
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->acceptProposedAction();
            // Taken once the drop has returned: the dragging program does not wait for our messages.
            QTimer::singleShot(0, this, [this, urls = drop->mimeData()->urls()] { lstPlaylist_Drop(urls); });
            return true;
        }
        default:
            break;
        }
    }
    if (watched == lstPlaylist && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            lstPlaylist_DeleteKey(*key);
            return event->type() == QEvent::KeyRelease;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Holding Delete repeats the key, and X sends each repeat as a release and a press with one
// timestamp, not always marked as repeats. A release removes once the events queued with it have run
// and no press with its timestamp came; when that press comes later (a busy system), the key is
// still held, and nothing more is removed until a new press: one removal per press, whatever arrives
// when.
void frmMain::lstPlaylist_DeleteKey(const QKeyEvent& key) {
    if (key.type() == QEvent::KeyPress) {
        const bool repeat = key.isAutoRepeat() || key.timestamp() == m_lastDeleteRelease;
        if (repeat)
            std::erase(m_deleteReleases, key.timestamp());
        else
            m_deleteRemoved = false;
        return;
    }
    m_lastDeleteRelease = key.timestamp();
    if (key.isAutoRepeat() || isSaving() || m_deleteRemoved)
        return;
    m_deleteReleases.push_back(key.timestamp());
    QTimer::singleShot(0, this, [this, released = key.timestamp()] {
        if (std::erase(m_deleteReleases, released) == 0)
            return;
        m_deleteRemoved = true;
        imgRemove_Click();
    });
}

void frmMain::imgAdd_Click() {
    if (isSaving())
        return;
    hideHoverImages();
    const QString name = cdcMain.showOpen(this, OpenFileDialog::Mp3Filter);
    addTrackCommand(m_state, *m_rows, name.toStdString());
    m_rows->flushRows();
}

void frmMain::imgAddb_Click() {
    imgAdd_Click();
    imgAddb->hide();
}

void frmMain::imgPlaylist_Click() {
    if (isSaving())
        return;
    hideHoverImages();
    const QString name = cdcMain.showOpen(this, OpenFileDialog::PlaylistFilter);
    importPlaylistCommand(m_state, *m_rows, name.toStdString());
    m_rows->flushRows();
}

// Each dropped file is added or imported in the order dropped; what is neither is named once.
void frmMain::lstPlaylist_Drop(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls)
        paths << (url.isLocalFile() ? url.toLocalFile() : QString());
    addFiles(paths);
}

void frmMain::addFiles(const QStringList& paths) {
    if (isSaving()) {
        // Files handed over during a save go in once it has ended, after the tracks it saves.
        m_filesAfterSave << paths;
        return;
    }
    hideHoverImages();
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    dropFilesCommand(m_state, *m_rows, files);
    m_rows->flushRows();
}

void frmMain::imgPlaylistb_Click() {
    imgPlaylist_Click();
    imgPlaylistb->hide();
}

void frmMain::imgRemove_Click() {
    if (isSaving())
        return;
    removeTrackCommand(m_state, *m_rows);
    m_rows->flushRows();
}

void frmMain::imgWriteScript_Click() {
    if (isSaving())
        return;
    m_saveRun = std::make_unique<SaveRun>(m_state, *m_saveView, m_dataFolder);
    connect(m_saveRun.get(), &SaveRun::finished, this, &frmMain::saveFinished);
    m_saveView->saveStarts();
    m_saveRun->start();
}

void frmMain::saveFinished(SaveOutcome outcome) {
    // The run is inside its own signal: it goes once the signal has returned.
    m_saveRun.release()->deleteLater();
    m_saveView->saveEnds(outcome);
    Q_EMIT saveEnded(outcome);
    if (m_closeAfterSave) {
        close();
        return;
    }
    if (!m_filesAfterSave.isEmpty())
        addFiles(std::exchange(m_filesAfterSave, {}));
}

void frmMain::imgEnglish_Click() {
    switchLanguage(English);
}

void frmMain::imgGerman_Click() {
    switchLanguage(German);
}

// Runs in full even for the current language: the skin is loaded again every time.
void frmMain::switchLanguage(std::int16_t language) {
    LoadSkin(language == German ? QStringLiteral("german") : QStringLiteral("english"));
    lblModPath->setText(language == German ? GermanModPath : EnglishModPath);
    m_state.Language = language;
    mnuEnglish->setChecked(language == English);
    mnuGerman->setChecked(language == German);
}

void frmMain::LoadSkin(const QString& language) {
    const SkinControls skin = {imgTitle,     imgLeftside, imgAdd,  imgPlaylist,  imgRemove,  imgWriteScript,
                               imgRightside, imgPlbg,     imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb};
    const QStringList failures = gui::LoadSkin(skin, QString::fromStdString(m_dataFolder), language);
    if (failures.isEmpty())
        return;
    const QString text = QStringLiteral("These skin pictures could not be loaded:\n") + failures.join(u'\n');
    showMessage({text.toStdString(), TitleError, MessageIcon::Stop});
}

void frmMain::imgMediaLibary_Click() {
    if (!m_mediaLibrary) {
        m_mediaLibrary = new frmMediaLib(this);
        m_mediaLibrary->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_mediaLibrary->show();
    m_mediaLibrary->raise();
    m_mediaLibrary->activateWindow();
}

void frmMain::mnuOptions_Click() {
    if (isSaving())
        return;
    m_options.dialog()->exec();
}

void frmMain::lblBrowse_Click() {
    if (isSaving())
        return;
    m_browse.dialog()->exec();
}

void frmMain::mnuAbout_Click() {
    if (isSaving())
        return;
    // A new window each time, so the roll starts again at the first pair.
    frmAbout about(QDir(QString::fromStdString(m_dataFolder)).filePath(QStringLiteral("credits.txt")).toStdString(),
                   this);
    about.exec();
}

frmOptions* frmMain::createOptions() {
    return new frmOptions(
        m_state, [this] { m_settings->SaveVolumeSettings(m_state); }, this);
}

frmBrowse* frmMain::createBrowse() {
    return new frmBrowse([this](const QString& text) { cboSteamFolder->setEditText(text); }, m_dialogs,
                         BrowsePlaces::ofThisSystem(), this);
}

void frmMain::lblMorvane_Click() {
    openDataFile(FreeTrackNote, "the link");
}

void frmMain::lblJukewright_Click() {
    openDataFile(PlayersGuide, "the link");
}

void frmMain::mnuReadme_Click() {
    openDataFile(PlayersGuide, "the readme");
}

// A file that is missing and a file that no program opens are told apart: the second is no fault of
// the file's.
void frmMain::openDataFile(const QString& name, const std::string& what) {
    const QString path = QDir(QString::fromStdString(m_dataFolder)).filePath(name);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    if (!QFileInfo(path).isFile()) {
        showMessage({"Error: " + what + " could not be opened: " + shown, TitleError, MessageIcon::Stop});
        return;
    }
    m_desktop.openTextFile(path, this, [this, what, shown] {
        showMessage({"Error: no program could open " + what + ": " + shown, TitleError, MessageIcon::Stop});
    });
}

// Checks the jukebox in the mod-folder box as the game loads it; a box the save would refuse is
// refused with the save's message.
void frmMain::mnuCheckJukebox_Click() {
    if (isSaving())
        return;
    hideHoverImages();
    const CheckRequest request = checkRequestFor(cboSteamFolder->currentText().toStdString());
    if (request.refusal) {
        showMessage(*request.refusal);
        return;
    }
    frmCheck check(request.modFolder, checkJukebox(request.modFolder), this);
    check.exec();
}

// Remembered at once, outside settings.jst. A save reads the layout, so during one the mark goes
// back to what the save uses.
void frmMain::mnuXash3d_Click(bool checked) {
    if (isSaving()) {
        mnuXash3d->setChecked(m_state.Layout == ScriptLayout::Parts);
        return;
    }
    m_state.Layout = checked ? ScriptLayout::Parts : ScriptLayout::Automatic;
    if (!m_preferences.setScriptLayout(m_state.Layout))
        showMessage({"Error: the script layout could not be remembered for the next start in " +
                         QDir::toNativeSeparators(QString::fromStdString(m_preferences.filePath())).toStdString(),
                     TitleError, MessageIcon::Stop});
}

// Ends the program at once: nothing of this run is saved.
void frmMain::mnuExit_Click() {
    if (isSaving())
        return;
    endProgram();
}

void frmMain::showHover(PictureButton* twin) {
    twin->show();
}

void frmMain::hideHoversExcept(PictureButton* twin) {
    for (PictureButton* other : {imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb})
        if (other != twin)
            other->hide();
}

void frmMain::showMessage(const Message& message) {
    m_dialogs.showMessage(this, message);
}

PlaylistView& frmMain::trackList() {
    return *m_rows;
}

void frmMain::hideHoverImages() {
    hideHoversExcept(nullptr);
}

} // namespace jukewright::gui

#include "main_window.moc"
