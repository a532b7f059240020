#pragma once

#include "core/app_state.h"
#include "core/file_failure.h"
#include "core/script/save_view.h"

#include <string>
#include <vector>

namespace jukewright {

// Copies every track into `trackFolder` under its name in `names`, moving the progress on after
// each track. A source named twice is copied once; a track that is already its own copy, or whose
// copy has its size and modification time, is left as it is. Each copy is written beside its target
// and renamed over it, so a failure leaves the old copy or none. A copy that would replace a file
// another track is read from is put in place only after every track was read, so no song is lost.
// Each track that could not be copied is added to `failures`.
void copyTracks(const AppState& state, SaveView& view, const std::string& trackFolder,
                const std::vector<std::string>& names, FileFailures& failures);

} // namespace jukewright
