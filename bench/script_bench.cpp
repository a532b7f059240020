// How long building mp3.cfg takes for large playlists, beside writing the same bytes to a file.
#include "bench_views.h"
#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/script/script_parts.h"
#include "core/script/script_text.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

using namespace jukewright;

namespace {

// Tracks with 30-character display names, all different.
std::unique_ptr<AppState> playlistOf(int count) {
    auto state = std::make_unique<AppState>();
    bench::StoredRows view;
    for (int i = 0; i < count; ++i) {
        std::string name = "Artist Name - Song Title " + std::to_string(100000 + i);
        name.resize(26, 'x');
        appendTrack(*state, view, "/home/player/Music/" + name + ".mp3");
    }
    return state;
}

// Tracks whose names need transliterating: "Björk – Jóga (Live) <k>.mp3".
std::unique_ptr<AppState> nonAsciiPlaylistOf(int count) {
    auto state = std::make_unique<AppState>();
    bench::StoredRows view;
    for (int i = 0; i < count; ++i)
        appendTrack(*state, view,
                    "/home/player/Music/Bj\u00F6rk \u2013 J\u00F3ga (Live) " + std::to_string(i + 1) + ".mp3");
    return state;
}

void BuildScript(benchmark::State& bench) {
    const auto state = playlistOf(static_cast<int>(bench.range(0)));
    const auto names = assignScriptNames(*state);
    std::size_t size = 0;
    for (auto _ : bench) {
        const std::string text = BuildScriptText(*state, names);
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    bench.counters["bytes"] = static_cast<double>(size);
    bench.SetComplexityN(bench.range(0));
}
BENCHMARK(BuildScript)->Arg(1000)->Arg(5000)->Arg(9999)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void AssignScriptNames(benchmark::State& bench) {
    const auto state = playlistOf(static_cast<int>(bench.range(0)));
    for (auto _ : bench)
        benchmark::DoNotOptimize(assignScriptNames(*state));
}
BENCHMARK(AssignScriptNames)->Arg(9999)->Unit(benchmark::kMillisecond);

// Everything a save derives from the names: the copy names and the script text.
void NamesAndScriptNonAscii(benchmark::State& bench) {
    const auto state = nonAsciiPlaylistOf(static_cast<int>(bench.range(0)));
    // ICU's transliterator is made once per run of the program, not once per save.
    benchmark::DoNotOptimize(assignScriptNames(*nonAsciiPlaylistOf(1)));
    for (auto _ : bench) {
        const auto names = assignScriptNames(*state);
        benchmark::DoNotOptimize(BuildScriptText(*state, names).data());
    }
}
BENCHMARK(NamesAndScriptNonAscii)->Arg(9999)->Unit(benchmark::kMillisecond);

// Splitting the bytes of mp3.cfg into the parts layout: parts of at most 16 KB and the mp3.cfg that
// runs them.
void SplitScript(benchmark::State& bench) {
    const auto state = playlistOf(static_cast<int>(bench.range(0)));
    const std::string bytes = scriptFileBytes(*state, assignScriptNames(*state));
    std::size_t files = 0;
    for (auto _ : bench) {
        const auto parts = splitScript(bytes);
        files = parts.size();
        benchmark::DoNotOptimize(parts.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes.size());
    bench.counters["files"] = static_cast<double>(files);
}
BENCHMARK(SplitScript)->Arg(200)->Arg(9999)->Unit(benchmark::kMillisecond);

void WriteScriptFile(benchmark::State& bench) {
    const auto state = playlistOf(static_cast<int>(bench.range(0)));
    const std::string bytes = scriptFileBytes(*state, assignScriptNames(*state));
    const auto path = std::filesystem::temp_directory_path() / "jukewright-bench-mp3.cfg";
    for (auto _ : bench)
        if (replaceFileAtomically(path.string(), bytes))
            bench.SkipWithError("could not write the script");
    std::filesystem::remove(path);
}
BENCHMARK(WriteScriptFile)->Arg(9999)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
