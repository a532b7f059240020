#include "gui/main_window/main_window.h"

#include "core/jukebox/check_report.h"
#include "core/jukebox/jukebox_check.h"
#include "core/library/library_catalog.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_drop.h"
#include "core/playlist/track_list.h"
#include "core/startup/startup.h"
#include "core/system/file_tags.h"
#include "core/system/music_folder.h"
#include "core/window/data_file.h"
#include "core/window/dialogs.h"
#include "core/window/main_window_geometry.h"
#include "core/window/main_window_messages.h"
#include "core/window/main_window_texts.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/browse_dialog.h"
#include "gui/dialogs/check_dialog.h"
#include "gui/dialogs/media_library.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/main_window/playlist_rows.h"
#include "gui/main_window/save_run.h"
#include "gui/main_window/save_view.h"
#include "gui/main_window/startup_view.h"
#include "gui/platform/desktop_folders.h"
#include "gui/platform/screen_fit.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/picture_button.h"
#include "gui/widgets/twips_geometry.h"
#include "gui/widgets/window_colours.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
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

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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

} // namespace

frmMain::frmMain(AppState& state, Dialogs& dialogs, Desktop& desktop, std::string dataFolder, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs), m_desktop(desktop), m_dataFolder(std::move(dataFolder)),
      cdcMain(dialogs), m_preferences(preferencesFilePath().toStdString()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(text(MainWindowTexts::Caption));
    setWindowIcon(QIcon(storedPicture(QStringLiteral("jukewright"))));
    createControls();
    m_rows = std::make_unique<PlaylistRows>(PlaylistRows::Parts{m_dialogs, lstPlaylist, [this] { hideHoverImages(); }});
    m_saveView = std::make_unique<WindowSaveView>(
        WindowSaveView::Parts{this, m_dialogs, cboSteamFolder, [this] { hideHoverImages(); }});
    m_settings = std::make_unique<SettingsStore>(settingsFilePath(), *m_rows);
    m_library = std::make_unique<LibraryCatalog>(
        makeTagReader, [this] { QMetaObject::invokeMethod(this, &frmMain::libraryNews, Qt::QueuedConnection); });
    createMenus();
    placeControls();
    connectRoutes();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

// The library window goes before the catalog it shows.
frmMain::~frmMain() {
    delete m_mediaLibrary;
}

void frmMain::createControls() {
    auto* background = new Background(this);
    background->setFixedSize(toPixels(MainWindowGeometry::ClientArea));
    paintOrange(*background);
    setCentralWidget(background);
    // The hover twins know the background by the window's own name.
    connect(background, &Background::pointerMoved, this, [this] { pointerOver(objectName()); });

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

    lblBrowse = new ClickLabel(QStringLiteral("lblBrowse"), text(MainWindowTexts::BrowseCaption), background);
    lblBrowse->setAlignment(Qt::AlignCenter);
    QFont browseFont = lblBrowse->font();
    browseFont.setBold(true);
    browseFont.setPointSize(browseFont.pointSize() + 3);
    lblBrowse->setFont(browseFont);
    lblBrowse->setToolTip(text(MainWindowTexts::BrowseTip));

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

    const auto link = [this, background](const char* name, std::string_view caption, const DataFile& file) {
        auto* label = new ClickLabel(QString::fromLatin1(name), text(caption), background);
        label->setToolTip(QString::fromStdString(dataFilePath(m_dataFolder, file)));
        return label;
    };
    lblMorvane = link("lblMorvane", MainWindowTexts::MorvaneCaption, FreeTrackLink);
    lblJukewright = link("lblJukewright", MainWindowTexts::JukewrightCaption, GuideLink);
}

// The menu bar as the rows give it; every menu, item and separator carries its row's name.
void frmMain::createMenus() {
    std::vector<QMenu*> open;
    for (const MenuRow& row : MainMenuRows) {
        switch (row.kind) {
        case MenuRow::Menu:
            open.push_back(open.empty() ? menuBar()->addMenu(text(row.caption))
                                        : open.back()->addMenu(text(row.caption)));
            open.back()->setObjectName(text(row.name));
            break;
        case MenuRow::End:
            open.pop_back();
            break;
        case MenuRow::Separator:
            open.back()->addSeparator()->setObjectName(text(row.name));
            break;
        case MenuRow::Item:
        case MenuRow::CheckItem: {
            QAction* action = open.back()->addAction(text(row.caption));
            action->setObjectName(text(row.name));
            action->setCheckable(row.kind == MenuRow::CheckItem);
            break;
        }
        }
    }
    const auto item = [this](const char* name) { return menuBar()->findChild<QAction*>(QString::fromLatin1(name)); };
    mnuAddTrack = item("mnuAddTrack");
    mnuAddPlaylist = item("mnuAddPlaylist");
    mnuRemove = item("mnuRemove");
    mnuSaveScript = item("mnuSaveScript");
    mnuExit = item("mnuExit");
    mnuOptions = item("mnuOptions");
    mnuEnglish = item("mnuEnglish");
    mnuGerman = item("mnuGerman");
    mnuCheckJukebox = item("mnuCheckJukebox");
    mnuXash3d = item("mnuXash3d");
    mnuReadme = item("mnuReadme");
    mnuAbout = item("mnuAbout");
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

    // Every picture button says where the pointer is; the hover twins decide what that shows.
    for (PictureButton* button : findChildren<PictureButton*>())
        connect(button, &PictureButton::pointerMoved, this, [this, button] { pointerOver(button->objectName()); });
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
    cdcMain.setInitialFolder(m_state.MusicFolder);
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
    if (m_saveGuard.holdClose()) {
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
    if (key.isAutoRepeat() || !m_saveGuard.allows(WindowCommand::Remove) || m_deleteRemoved)
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
    if (!m_saveGuard.allows(WindowCommand::AddTrack))
        return;
    hideHoverImages();
    addTrackCommand(m_state, *m_rows, cdcMain.showOpen(OpenFileDialog::Mp3Filter));
    m_rows->flushRows();
}

void frmMain::imgAddb_Click() {
    imgAdd_Click();
    m_hover.hide("imgAddb");
    showHovers();
}

void frmMain::imgPlaylist_Click() {
    if (!m_saveGuard.allows(WindowCommand::AddPlaylist))
        return;
    hideHoverImages();
    importPlaylistCommand(m_state, *m_rows, cdcMain.showOpen(OpenFileDialog::PlaylistFilter));
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
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    addFiles(files);
}

void frmMain::addFiles(const std::vector<std::string>& files) {
    if (m_saveGuard.holdFiles(files))
        return;
    hideHoverImages();
    dropFilesCommand(m_state, *m_rows, files);
    m_rows->flushRows();
}

void frmMain::imgPlaylistb_Click() {
    imgPlaylist_Click();
    m_hover.hide("imgPlaylistb");
    showHovers();
}

void frmMain::imgRemove_Click() {
    if (!m_saveGuard.allows(WindowCommand::Remove))
        return;
    removeTrackCommand(m_state, *m_rows);
    m_rows->flushRows();
}

void frmMain::imgWriteScript_Click() {
    if (!m_saveGuard.allows(WindowCommand::SaveScript))
        return;
    m_saveGuard.saveStarts();
    m_saveRun = std::make_unique<SaveRun>(m_state, *m_saveView, m_dataFolder);
    connect(m_saveRun.get(), &SaveRun::finished, this, &frmMain::saveFinished);
    m_saveView->saveStarts();
    m_saveRun->start();
}

void frmMain::saveFinished(SaveOutcome outcome) {
    // The run is inside its own signal: it goes once the signal has returned.
    m_saveRun.release()->deleteLater();
    m_saveView->saveEnds(outcome);
    const SaveGuard::AfterSave after = m_saveGuard.saveEnds();
    Q_EMIT saveEnded(outcome);
    if (after.close)
        close();
    else if (!after.files.empty())
        addFiles(after.files);
}

void frmMain::imgEnglish_Click() {
    switchLanguage(English);
}

void frmMain::imgGerman_Click() {
    switchLanguage(German);
}

// Runs in full even for the current language: the skin is loaded again every time.
void frmMain::switchLanguage(std::int16_t language) {
    LoadSkin(language);
    lblModPath->setText(text(modPathCaption(language)));
    m_state.Language = language;
    mnuEnglish->setChecked(language == English);
    mnuGerman->setChecked(language == German);
}

void frmMain::LoadSkin(std::int16_t language) {
    const SkinControls skin = {imgTitle,     imgLeftside, imgAdd,  imgPlaylist,  imgRemove,  imgWriteScript,
                               imgRightside, imgPlbg,     imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb};
    const std::vector<std::string> failures =
        gui::LoadSkin(skin, QString::fromStdString(m_dataFolder), text(jukewright::skinFolder(language)));
    if (!failures.empty())
        showMessage(skinFailureMessage(failures));
}

// One window, brought to the front when opened again; the folder is scanned again only when its
// path changed since.
void frmMain::imgMediaLibary_Click() {
    if (!m_mediaLibrary) {
        m_mediaLibrary = new frmMediaLib(
            *m_library, [this](const std::vector<std::string>& paths) { addLibraryTracks(paths); }, this);
        m_mediaLibrary->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_library->open(musicFolder());
    m_mediaLibrary->showCatalog();
    m_mediaLibrary->show();
    m_mediaLibrary->raise();
    m_mediaLibrary->activateWindow();
}

// Taken even while the library window is closed, so the scan never waits on it.
void frmMain::libraryNews() {
    if (m_library->takeNews() && m_mediaLibrary)
        m_mediaLibrary->showCatalog();
}

void frmMain::addLibraryTracks(const std::vector<std::string>& paths) {
    if (!m_saveGuard.allows(WindowCommand::AddTrack))
        return;
    addTrackFilesCommand(m_state, *m_rows, paths);
    m_rows->flushRows();
}

void frmMain::mnuOptions_Click() {
    if (!m_saveGuard.allows(WindowCommand::Options))
        return;
    m_options.dialog()->exec();
}

void frmMain::lblBrowse_Click() {
    if (!m_saveGuard.allows(WindowCommand::Browse))
        return;
    m_browse.dialog()->exec();
}

void frmMain::mnuAbout_Click() {
    if (!m_saveGuard.allows(WindowCommand::About))
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
    openDataFile(FreeTrackLink);
}

void frmMain::lblJukewright_Click() {
    openDataFile(GuideLink);
}

void frmMain::mnuReadme_Click() {
    openDataFile(Readme);
}

void frmMain::openDataFile(const DataFile& file) {
    jukewright::openDataFile(m_desktop, *this, m_dataFolder, file);
}

// Checks the jukebox in the mod-folder box as the game loads it; a box the save would refuse is
// refused with the save's message.
void frmMain::mnuCheckJukebox_Click() {
    if (!m_saveGuard.allows(WindowCommand::CheckJukebox))
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
    if (!m_saveGuard.allows(WindowCommand::Xash3dScript)) {
        mnuXash3d->setChecked(m_state.Layout == ScriptLayout::Parts);
        return;
    }
    m_state.Layout = checked ? ScriptLayout::Parts : ScriptLayout::Automatic;
    if (!m_preferences.setScriptLayout(m_state.Layout))
        showMessage(layoutNotRememberedMessage(m_preferences.filePath()));
}

// Ends the program at once: nothing of this run is saved.
void frmMain::mnuExit_Click() {
    if (!m_saveGuard.allows(WindowCommand::Exit))
        return;
    endProgram();
}

void frmMain::pointerOver(const QString& control) {
    if (m_hover.pointerOver(control.toStdString()))
        showHovers();
}

void frmMain::showHovers() {
    PictureButton* const twins[] = {imgAddb, imgPlaylistb, imgRemoveb, imgWriteScriptb};
    for (std::size_t i = 0; i < HoverTwins::Pairs.size(); ++i)
        twins[i]->setVisible(m_hover.shown()[i]);
}

void frmMain::showMessage(const Message& message) {
    m_dialogs.showMessage(message);
}

PlaylistView& frmMain::trackList() {
    return *m_rows;
}

void frmMain::hideHoverImages() {
    m_hover.hideAll();
    showHovers();
}

} // namespace jukewright::gui

#include "main_window.moc"
