// The media library's two costs. Reading the tags of a music folder of 2,000, 5,000 and 20,000 MP3
// files of 100 KB, which tools/make_music_folder.py makes (run it once, so that the page cache is
// warm when timing):
//   for n in 2000 5000 20000; do tools/make_music_folder.py --count $n /tmp/music-bench/$n; done
//   JUKEWRIGHT_BENCH_MUSIC=/tmp/music-bench build/default/bench/library_bench
// And grouping 20,000 tracks of 200 artists with ten albums each by artist and album, met in a
// shuffled order.
#include "core/library/media_library.h"
#include "core/library/music_scan.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace jukewright;

namespace {

std::vector<LibraryTrack> shuffledTracks() {
    std::vector<LibraryTrack> tracks;
    for (int artist = 0; artist < 200; ++artist)
        for (int album = 0; album < 10; ++album)
            for (int number = 1; number <= 10; ++number)
                tracks.push_back({"/music/a" + std::to_string(artist) + "/b" + std::to_string(album) + "/" +
                                      std::to_string(number) + ".mp3",
                                  "Artist " + std::to_string(artist), "Album " + std::to_string(album), 1, number});
    std::shuffle(tracks.begin(), tracks.end(), std::mt19937(20000));
    return tracks;
}

// Every track added, then what the window and the command line list: the artists, every album, and
// every track in order.
void BM_GroupTwentyThousandTracks(benchmark::State& state) {
    const std::vector<LibraryTrack> tracks = shuffledTracks();
    for (auto _ : state) {
        MediaLibrary library;
        for (const LibraryTrack& track : tracks)
            library.add(track);
        benchmark::DoNotOptimize(library.artists());
        benchmark::DoNotOptimize(library.albums(AllArtists));
        benchmark::DoNotOptimize(library.tracks(AllArtists));
    }
}
BENCHMARK(BM_GroupTwentyThousandTracks)->Unit(benchmark::kMillisecond);

// Every file's tags read and its track grouped, as the window's scan does.
void BM_ReadMusicFolder(benchmark::State& state) {
    const char* root = std::getenv("JUKEWRIGHT_BENCH_MUSIC");
    const std::string folder = std::string(root ? root : "") + "/" + std::to_string(state.range(0));
    if (!root || musicFolderProblem(folder)) {
        state.SkipWithError(("no music folder " + folder + ": see the top of library_bench.cpp").c_str());
        return;
    }
    const std::unique_ptr<TagReader> reader = makeTagReader();
    for (auto _ : state) {
        MediaLibrary library;
        scanMusicFolder(folder, *reader, [&](LibraryTrack track, const ScanCounts&) { library.add(std::move(track)); });
        if (library.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the folder holds another number of files");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadMusicFolder)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(20000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
