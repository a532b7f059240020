#pragma once

#include "core/app_state.h"
#include "core/message.h"
#include "core/settings/mod_folder_box.h"

#include <string>

namespace jukewright {

// The settings that outlive a run, in the record file settings.jst. One store serves the whole run:
// start-up gives a new file its defaults and loads it, the options dialog stores the volumes, and
// closing the main window stores the folders, the language and the free-track flag.
//
// A file that cannot be written is still read, and then nothing is written to it for the rest of
// the run; one that cannot be read is never written either, so a stored list of folders is never
// replaced by one run's. A file that is not a settings file of ours (a link to a photo, say) is
// neither loaded nor written. The person is told once, at start-up.
class SettingsStore {
public:
    SettingsStore(std::string path, MessageView& messages);

    const std::string& path() const { return m_path; }
    // False once the file turned out not to be writable (or readable) in this run.
    bool canStore() const { return m_canStore; }

    // Gives a new file (no marker yet) the two default volumes and the marker.
    void InitSettingsFile();
    // Reads the stored settings into the state and the folders into the box. A count below 0 reads
    // as no folder and one above 100 as 100; damaged folder records are skipped; a stored volume
    // outside 0..100 loads as 80.
    void LoadSettings(AppState& state, ModFolderBox& cboSteamFolder);
    // Stores the two volumes at once; false when they could not be stored.
    bool SaveVolumeSettings(const AppState& state);
    // Stores the folders, the language and the free-track flag; the count last, so the file is
    // never left counting records that are not written yet. A folder whose bytes do not fit a record
    // is not remembered. False when the settings could not be stored.
    bool SaveExitSettings(const AppState& state);

private:
    bool leftAlone();
    void stopStoring(const std::string& text);

    std::string m_path;
    MessageView& m_messages;
    bool m_canStore = true;
    bool m_canRead = true;
};

} // namespace jukewright
