// Importing the largest playlists the track list can take, and removing half of a full list with its
// rows rebuilt.
#include "bench_views.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_list.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

using namespace jukewright;
namespace fs = std::filesystem;

namespace {

constexpr int EntryCount = 9999;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A folder with the tracks and the two playlists that name them all, removed at the end of the run.
class PlaylistFiles {
public:
    PlaylistFiles() {
        std::random_device random;
        m_root = fs::temp_directory_path() / ("jukewright-bench-playlists-" + std::to_string(random()));
        fs::create_directories(m_root / "Music");
        fs::create_directories(m_root / "Lists");
        std::string pls = "[playlist]\r\n";
        std::string m3u = "#EXTM3U\r\n";
        for (int i = 1; i <= EntryCount; ++i) {
            const std::string name = "Artist Name - Song Title " + std::to_string(i) + ".mp3";
            writeFile(m_root / "Music" / name, "ID3");
            pls += "File" + std::to_string(i) + "=..\\Music\\" + name + "\r\nTitle" + std::to_string(i) + "=Song\r\n";
            m3u += "#EXTINF:200,Artist Name - Song Title\r\n..\\Music\\" + name + "\r\n";
        }
        writeFile(m_root / "Lists" / "all.pls", pls);
        writeFile(m_root / "Lists" / "all.m3u", m3u);
    }
    ~PlaylistFiles() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    std::string list(const char* name) const { return (m_root / "Lists" / name).string(); }

private:
    fs::path m_root;
};

const PlaylistFiles& playlistFiles() {
    static const PlaylistFiles files;
    return files;
}

void importAll(benchmark::State& bench, const std::string& playlist) {
    for (auto _ : bench) {
        bench.PauseTiming();
        auto state = std::make_unique<AppState>();
        bench::StoredRows view;
        bench.ResumeTiming();
        importPlaylistCommand(*state, view, playlist);
        if (state->TrackCount != EntryCount)
            bench.SkipWithError("not every entry was imported");
    }
}

void ImportPls(benchmark::State& bench) {
    importAll(bench, playlistFiles().list("all.pls"));
}
BENCHMARK(ImportPls)->Unit(benchmark::kMillisecond);

void ImportM3u(benchmark::State& bench) {
    importAll(bench, playlistFiles().list("all.m3u"));
}
BENCHMARK(ImportM3u)->Unit(benchmark::kMillisecond);

// A single line of ten million "=" signs that ends in ".mp3": each "=" is a candidate entry.
void ImportPlsLineOfEqualsSigns(benchmark::State& bench) {
    const fs::path list = fs::temp_directory_path() / "jukewright-bench-equals.pls";
    writeFile(list, "File1" + std::string(10'000'000, '=') + ".mp3\r\n");
    for (auto _ : bench) {
        auto state = std::make_unique<AppState>();
        bench::StoredRows view;
        importPlaylistCommand(*state, view, list.string());
    }
    fs::remove(list);
}
BENCHMARK(ImportPlsLineOfEqualsSigns)->Unit(benchmark::kMillisecond);

// An entry of a million "..\" steps, resolved against the playlist's folder.
void ImportM3uEntryOfManySteps(benchmark::State& bench) {
    const fs::path list = fs::temp_directory_path() / "jukewright-bench-steps.m3u";
    std::string steps;
    for (int i = 0; i < 1'000'000; ++i)
        steps += "..\\";
    writeFile(list, "#EXTM3U\r\n#EXTINF:1,x\r\n" + steps + "x.mp3\r\n");
    for (auto _ : bench) {
        auto state = std::make_unique<AppState>();
        bench::StoredRows view;
        importPlaylistCommand(*state, view, list.string());
    }
    fs::remove(list);
}
BENCHMARK(ImportM3uEntryOfManySteps)->Unit(benchmark::kMillisecond);

void RemoveEverySecondTrack(benchmark::State& bench) {
    for (auto _ : bench) {
        bench.PauseTiming();
        auto state = std::make_unique<AppState>();
        bench::StoredRows view;
        for (int i = 0; i < AppState::MaxTracks; ++i)
            appendTrack(*state, view, "/home/player/Music/Artist Name - Song Title " + std::to_string(i) + ".mp3");
        for (std::size_t row = 0; row < view.selected.size(); row += 2)
            view.selected[row] = true;
        bench.ResumeTiming();
        removeTrackCommand(*state, view);
        if (state->TrackCount != AppState::MaxTracks / 2)
            bench.SkipWithError("not every second track was removed");
    }
}
BENCHMARK(RemoveEverySecondTrack)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
