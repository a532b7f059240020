#pragma once

#include "core/app_state.h"
#include "core/file_failure.h"
#include "core/jukebox/copy_list.h"
#include "core/jukebox/save_view.h"

#include <string>
#include <vector>

namespace jukewright {

class TrackFolderFiles;

// Copies every track into `trackFolder` (the mod folder's "mp3s") under its name in `names`, moving the progress on
// after each track. `names` never names a file of the player's (see assignScriptNames), and `found` says which files
// there are ours. A source named twice is copied once; a track that is already its own copy, or whose listed copy is of
// this source at its present size and modification time, is left as it is. Returns the list of copies after the save:
// every file there that is ours. Each copy is written beside its target and renamed over it, so a failure leaves the
// old copy or none. A copy that would replace a file another track is read from is put in place only after every track
// was read, so no song is lost. Each track that could not be copied is added to `failures`. The mod folder's list of
// copies is written before the first copy with the copies as planned.
std::vector<CopyRecord> copyTracks(const AppState& state, SaveView& view, const std::string& modFolder,
                                   const std::string& trackFolder, const std::vector<std::string>& names,
                                   const TrackFolderFiles& found, FileFailures& failures);

} // namespace jukewright
