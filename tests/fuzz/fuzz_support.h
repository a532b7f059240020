#pragma once

#include "core/app_state.h"
#include "core/playlist/playlist_view.h"
#include "core/system/native_path.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace jukewright::fuzz {

// A broken property is a crash, so that libFuzzer keeps the input that broke it.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of this run, at a fixed place so that seeds can name files in it by absolute path and by
// "file://" URI: /tmp/jukewright-fuzz/<what>.
inline std::filesystem::path fuzzFolder(const std::string& what) {
    const std::filesystem::path folder = std::filesystem::path("/tmp/jukewright-fuzz") / what;
    std::filesystem::create_directories(folder);
    return folder;
}

// Tracks of a playlist folder: some files, a folder and a hidden file whose names end in ".mp3".
inline std::filesystem::path playlistFolder() {
    static const std::filesystem::path folder = [] {
        const auto root = fuzzFolder("playlists");
        for (const char* name : {"Music/a.mp3", "Music/b c.mp3", "Lists/x.mp3", "Lists/a=b.mp3", "y.mp3",
                                 "Music/.hidden.mp3", "Music/\xC3\xA9t\xC3\xA9.mp3", "Music/100%.mp3"})
            writeFile(root / name, "ID3");
        std::filesystem::create_directories(root / "Music" / "folder.mp3");
        return root;
    }();
    return folder;
}

// Every appended track names an existing regular file, as it stands, and its row shows it.
inline void requireOnlyExistingTracks(const AppState& state, std::size_t rows) {
    require(state.TrackCount >= 0 && state.TrackCount <= AppState::MaxTracks, "the count stays in the table");
    require(rows == static_cast<std::size_t>(state.TrackCount), "one row per track");
    for (int i = 0; i < state.TrackCount; ++i) {
        const std::string& path = state.TrackPaths[static_cast<std::size_t>(i)];
        std::error_code error;
        require(std::filesystem::is_regular_file(fsPath(path), error), "an imported track's file exists");
    }
}

// Rows and messages counted; nothing is shown.
class CountingView : public PlaylistView {
public:
    void showMessage(const Message&) override {}
    void clearRows() override { rows = 0; }
    void appendRow(const std::string&) override { ++rows; }
    int rowCount() const override { return static_cast<int>(rows); }
    bool isRowSelected(int) const override { return false; }
    void selectRow(int) override {}
    void hideHoverImages() override {}
    std::size_t rows = 0;
};

} // namespace jukewright::fuzz
