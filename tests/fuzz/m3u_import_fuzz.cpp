// The extended M3U importer (with "file://" URIs) on any bytes: it ends, and every track it appends names an existing
// file.
#include "core/playlist/playlist_import.h"
#include "fuzz_support.h"

#include <memory>

using namespace jukewright;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto list = fuzz::playlistFolder() / "Lists" / "list.m3u";
    fuzz::writeFile(list, fuzz::bytesOf(data, size));
    auto state = std::make_unique<AppState>();
    fuzz::CountingView view;
    importPlaylistCommand(*state, view, list.string());
    fuzz::requireOnlyExistingTracks(*state, view.rows);
    return 0;
}
