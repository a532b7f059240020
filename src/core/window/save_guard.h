#pragma once

#include <string>
#include <vector>

namespace jukewright {

// The main window's commands, each routed from its buttons, menu items and keys.
enum class WindowCommand {
    AddTrack,
    AddPlaylist,
    Remove,
    SaveScript,
    Options,
    Browse,
    About,
    CheckJukebox,
    Xash3dScript,
    Exit,
    Language,
    MediaLibrary,
    OpenDataFile,
};

// What the main window holds back while a save runs. The save reads the track list, the volumes, the
// mod folder and the layout, so the commands that change them, a second save, the modal windows and
// Exit do nothing; files handed over wait and are added after the save, in order; a close waits and is
// carried out when the save ends. The language, the media library and the links go on.
class SaveGuard {
public:
    struct AfterSave {
        bool close = false;
        std::vector<std::string> files;
    };

    bool saving() const { return m_saving; }
    bool allows(WindowCommand command) const;

    // True when the files were kept for after the save: the window adds nothing now.
    bool holdFiles(const std::vector<std::string>& files);
    // True when the close was put off until the save ends: the window stays open now.
    bool holdClose();

    void saveStarts();
    // What the window does now that the save has ended: close, or else add the files kept meanwhile.
    AfterSave saveEnds();

private:
    bool m_saving = false;
    AfterSave m_after;
};

} // namespace jukewright
