// The main window's commands: what each picture, link and menu item does.

#include "core/jukebox/check_report.h"
#include "core/jukebox/jukebox_check.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_drop.h"
#include "core/playlist/track_list.h"
#include "core/system/file_queries.h"
#include "core/window/data_file.h"
#include "core/window/main_window_messages.h"
#include "core/window/main_window_texts.h"
#include "win32/dialogs/about_dialog.h"
#include "win32/dialogs/browse_dialog.h"
#include "win32/dialogs/check_dialog.h"
#include "win32/dialogs/media_library.h"
#include "win32/dialogs/options_dialog.h"
#include "win32/kit/window_text.h"
#include "win32/main_window/main_window.h"
#include "win32/main_window/playlist_rows.h"
#include "win32/main_window/save_run.h"
#include "win32/main_window/save_view.h"
#include "win32/main_window/skin_loader.h"

namespace jukewright::win32 {

const frmMain::NamedRoute frmMain::Routes[] = {
    {"imgAdd", &frmMain::imgAdd_Click},
    {"imgAddb", &frmMain::imgAddb_Click},
    {"mnuAddTrack", &frmMain::imgAdd_Click},
    {"imgPlaylist", &frmMain::imgPlaylist_Click},
    {"imgPlaylistb", &frmMain::imgPlaylistb_Click},
    {"mnuAddPlaylist", &frmMain::imgPlaylist_Click},
    {"imgRemove", &frmMain::imgRemove_Click},
    {"imgRemoveb", &frmMain::imgRemove_Click},
    {"mnuRemove", &frmMain::imgRemove_Click},
    {"imgWriteScript", &frmMain::imgWriteScript_Click},
    {"imgWriteScriptb", &frmMain::imgWriteScript_Click},
    {"mnuSaveScript", &frmMain::imgWriteScript_Click},
    {"mnuExit", &frmMain::mnuExit_Click},
    {"imgEnglish", &frmMain::imgEnglish_Click},
    {"mnuEnglish", &frmMain::imgEnglish_Click},
    {"imgGerman", &frmMain::imgGerman_Click},
    {"mnuGerman", &frmMain::imgGerman_Click},
    {"imgMediaLibary", &frmMain::imgMediaLibary_Click},
    {"lblBrowse", &frmMain::lblBrowse_Click},
    {"lblMorvane", &frmMain::lblMorvane_Click},
    {"lblJukewright", &frmMain::lblJukewright_Click},
    {"mnuOptions", &frmMain::mnuOptions_Click},
    {"mnuAbout", &frmMain::mnuAbout_Click},
    {"mnuReadme", &frmMain::mnuReadme_Click},
    {"mnuCheckJukebox", &frmMain::mnuCheckJukebox_Click},
    {"mnuXash3d", &frmMain::mnuXash3d_Click},
};

void frmMain::runRoute(std::string_view name) {
    for (const NamedRoute& named : Routes)
        if (named.name == name) {
            (this->*named.route)();
            return;
        }
}

void frmMain::imgAdd_Click() {
    if (!m_guard.allows(WindowCommand::AddTrack))
        return;
    hideHoverImages();
    const std::string name = cdcMain.showOpen(OpenFileDialog::Mp3Filter);
    addTrackCommand(m_state, *m_rows, name);
    m_rows->flushRows();
}

void frmMain::imgAddb_Click() {
    imgAdd_Click();
    m_hover.hide("imgAddb");
    showTwins();
}

void frmMain::imgPlaylist_Click() {
    if (!m_guard.allows(WindowCommand::AddPlaylist))
        return;
    hideHoverImages();
    const std::string name = cdcMain.showOpen(OpenFileDialog::PlaylistFilter);
    importPlaylistCommand(m_state, *m_rows, name);
    m_rows->flushRows();
}

void frmMain::imgPlaylistb_Click() {
    imgPlaylist_Click();
    m_hover.hide("imgPlaylistb");
    showTwins();
}

void frmMain::addFiles(const std::vector<std::string>& paths) {
    // Files handed over during a save go in once it has ended, after the tracks it saves.
    if (m_guard.holdFiles(paths))
        return;
    hideHoverImages();
    dropFilesCommand(m_state, *m_rows, paths);
    m_rows->flushRows();
}

void frmMain::imgRemove_Click() {
    if (!m_guard.allows(WindowCommand::Remove))
        return;
    removeTrackCommand(m_state, *m_rows);
    m_rows->flushRows();
}

void frmMain::imgWriteScript_Click() {
    if (!m_guard.allows(WindowCommand::SaveScript))
        return;
    m_saveRun = std::make_unique<SaveRun>(m_state, *m_saveView, m_parts.dataFolder, m_window);
    m_guard.saveStarts();
    m_saveView->saveStarts();
    m_saveRun->start();
}

void frmMain::saveFinished() {
    if (!m_saveRun)
        return;
    const SaveOutcome outcome = m_saveRun->finish();
    m_saveRun.reset();
    const SaveGuard::AfterSave after = m_guard.saveEnds();
    m_saveView->saveEnds(outcome);
    if (after.close) {
        SendMessageW(m_window, WM_CLOSE, 0, 0);
        return;
    }
    if (!after.files.empty())
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
    setWindowText(lblModPath, modPathCaption(language));
    m_state.Language = language;
    setMenuChecked("mnuEnglish", language == English);
    setMenuChecked("mnuGerman", language == German);
}

void frmMain::LoadSkin(std::int16_t language) {
    LoadedSkin skin = loadSkin(m_parts.dataFolder, language);
    const SkinTable<PictureButton*> controls = skinControls();
    for (std::size_t i = 0; i < SkinPartCount; ++i)
        controls[i]->setPicture(std::move(skin.pictures[i]));
    m_skinLayout = skin.layout;
    placeControls();
    if (!skin.failures.empty())
        showMessage(skinFailureMessage(skin.failures));
}

// The media library window opens here.
void frmMain::imgMediaLibary_Click() {
    if (!m_mediaLibrary)
        m_mediaLibrary = std::make_unique<frmMediaLib>(
            frmMediaLib::Parts{*m_library, m_parts.musicFolder,
                               [this](const std::vector<std::string>& paths) { addLibraryTracks(paths); }},
            m_window);
    m_mediaLibrary->show();
}

void frmMain::addLibraryTracks(const std::vector<std::string>& paths) {
    if (!m_guard.allows(WindowCommand::AddTrack))
        return;
    addTrackFilesCommand(m_state, *m_rows, paths);
    m_rows->flushRows();
}

// The modal dialogs; while a save runs none of them opens.
void frmMain::mnuOptions_Click() {
    if (!m_guard.allows(WindowCommand::Options))
        return;
    if (!m_options)
        m_options = std::make_unique<frmOptions>(
            m_state, [this] { m_settings->SaveVolumeSettings(m_state); }, m_window);
    m_options->exec();
}

void frmMain::lblBrowse_Click() {
    if (!m_guard.allows(WindowCommand::Browse))
        return;
    if (!m_browse)
        m_browse = std::make_unique<frmBrowse>([this](const std::string& text) { setWindowText(cboSteamFolder, text); },
                                               m_dialogs, BrowsePlaces::ofThisSystem(), m_window);
    m_browse->exec();
}

void frmMain::mnuAbout_Click() {
    if (!m_guard.allows(WindowCommand::About))
        return;
    // A new window each time, so the roll starts again at the first pair.
    frmAbout about(joinPath(m_parts.dataFolder, "credits.txt"), m_window);
    about.exec();
}

// Checks the jukebox in the mod-folder box as the game loads it; a box the save would refuse is
// refused with the save's message. The check's window shows the results.
void frmMain::mnuCheckJukebox_Click() {
    if (!m_guard.allows(WindowCommand::CheckJukebox))
        return;
    hideHoverImages();
    const CheckRequest request = checkRequestFor(windowText(cboSteamFolder));
    if (request.refusal) {
        showMessage(*request.refusal);
        return;
    }
    frmCheck check(request.modFolder, checkJukebox(request.modFolder), m_window);
    check.exec();
}

void frmMain::lblMorvane_Click() {
    openDataFile(m_parts.desktop, *m_rows, m_parts.dataFolder, FreeTrackLink);
}

void frmMain::lblJukewright_Click() {
    openDataFile(m_parts.desktop, *m_rows, m_parts.dataFolder, GuideLink);
}

void frmMain::mnuReadme_Click() {
    openDataFile(m_parts.desktop, *m_rows, m_parts.dataFolder, Readme);
}

// Remembered at once, outside settings.jst. A save reads the layout, so during one the mark stays what
// the save uses.
void frmMain::mnuXash3d_Click() {
    if (!m_guard.allows(WindowCommand::Xash3dScript))
        return;
    const bool checked = !isMenuChecked("mnuXash3d");
    setMenuChecked("mnuXash3d", checked);
    m_state.Layout = checked ? ScriptLayout::Parts : ScriptLayout::Automatic;
    if (!m_preferences.setScriptLayout(m_state.Layout))
        showMessage(
            {"Error: the script layout could not be remembered for the next start in " + m_preferences.filePath(),
             TitleError, MessageIcon::Stop});
}

// Ends the program at once: nothing of this run is saved.
void frmMain::mnuExit_Click() {
    if (!m_guard.allows(WindowCommand::Exit))
        return;
    endProgram();
}

} // namespace jukewright::win32
