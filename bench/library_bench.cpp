// Grouping a large music folder's tracks by artist and album, as the media library does once the tags
// are read: 20,000 tracks of 200 artists with ten albums each, met in a shuffled order.
#include "core/library/media_library.h"

#include <algorithm>
#include <benchmark/benchmark.h>
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

} // namespace

BENCHMARK_MAIN();
