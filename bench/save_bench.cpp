// Saving a large playlist into an empty mod folder, side by side with `cp --reflink=never` copying
// the same files, both with a warm cache; saving it again after one track was added, which copies
// only the new track; and what telling our copies in mp3s from the player's files costs a save of
// the largest playlist whose copies are all listed.
#include "bench_views.h"
#include "core/jukebox/save_script.h"
#include "core/jukebox/track_folder_files.h"
#include "core/playlist/track_list.h"
#include "core/script/copy_names.h"
#include "core/system/data_folder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace jukewright;
namespace fs = std::filesystem;

namespace {

constexpr int TrackCount = 1000;
constexpr std::size_t TrackSize = 1 << 20;

// The music folder with its tracks, made once for the whole run.
const fs::path& musicFolder() {
    static const fs::path folder = [] {
        const fs::path path = fs::temp_directory_path() / "jukewright-bench-music";
        fs::create_directories(path);
        const std::string content(TrackSize, '\x55');
        for (int i = 0; i < TrackCount; ++i) {
            const fs::path file = path / ("Track " + std::to_string(i) + ".mp3");
            if (!fs::exists(file) || fs::file_size(file) != TrackSize)
                std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(TrackSize));
        }
        return path;
    }();
    return folder;
}

fs::path freshFolder(const char* name) {
    const fs::path path = fs::temp_directory_path() / name;
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

void SaveThousandTracks(benchmark::State& bench) {
    auto state = std::make_unique<AppState>();
    bench::StoredRows rows;
    for (const auto& entry : fs::directory_iterator(musicFolder()))
        appendTrack(*state, rows, entry.path().string());
    const std::string dataFolder = findDataFolder(executableFolder());
    for (auto _ : bench) {
        bench.PauseTiming();
        const fs::path mod = freshFolder("jukewright-bench-save") / "cstrike";
        fs::create_directories(mod);
        bench::QuietSave view(mod.string());
        bench.ResumeTiming();
        if (saveScriptCommand(*state, view, dataFolder) != SaveOutcome::Complete || view.failed)
            bench.SkipWithError("the save did not complete");
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * TrackCount * TrackSize);
}
BENCHMARK(SaveThousandTracks)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void ResaveWithOneNewTrack(benchmark::State& bench) {
    auto state = std::make_unique<AppState>();
    bench::StoredRows rows;
    for (const auto& entry : fs::directory_iterator(musicFolder()))
        appendTrack(*state, rows, entry.path().string());
    const fs::path added = fs::temp_directory_path() / "jukewright-bench-new" / "New Track.mp3";
    fs::create_directories(added.parent_path());
    std::ofstream(added, std::ios::binary).write(std::string(TrackSize, '\x66').data(), TrackSize);
    appendTrack(*state, rows, added.string());
    const std::string dataFolder = findDataFolder(executableFolder());
    const fs::path mod = freshFolder("jukewright-bench-resave") / "cstrike";
    fs::create_directories(mod);
    bench::QuietSave first(mod.string());
    saveScriptCommand(*state, first, dataFolder);
    for (auto _ : bench) {
        bench.PauseTiming();
        fs::remove(mod / "mp3s" / "NewTrack.mp3");
        bench::QuietSave view(mod.string());
        bench.ResumeTiming();
        if (saveScriptCommand(*state, view, dataFolder) != SaveOutcome::Complete || view.failed)
            bench.SkipWithError("the save did not complete");
    }
}
BENCHMARK(ResaveWithOneNewTrack)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

constexpr int LargestPlaylist = AppState::MaxTracks - 1;

// A mod folder saved with the largest playlist of small tracks, made once for the whole run.
struct SavedLargestPlaylist {
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    fs::path mod;
};
const SavedLargestPlaylist& savedLargestPlaylist() {
    static const SavedLargestPlaylist saved = [] {
        SavedLargestPlaylist made;
        const fs::path music = fs::temp_directory_path() / "jukewright-bench-many";
        fs::create_directories(music);
        bench::StoredRows rows;
        for (int i = 0; i < LargestPlaylist; ++i) {
            const fs::path file = music / ("Song " + std::to_string(i) + ".mp3");
            if (!fs::exists(file))
                std::ofstream(file, std::ios::binary) << i;
            appendTrack(*made.state, rows, file.string());
        }
        made.mod = freshFolder("jukewright-bench-many-save") / "cstrike";
        fs::create_directories(made.mod);
        bench::QuietSave view(made.mod.string());
        saveScriptCommand(*made.state, view, findDataFolder(executableFolder()));
        return made;
    }();
    return saved;
}

// Saving the largest playlist again, every copy current: the list is read, every listed copy is
// judged ours and none is copied.
void ResaveLargestPlaylist(benchmark::State& bench) {
    const SavedLargestPlaylist& saved = savedLargestPlaylist();
    const std::string dataFolder = findDataFolder(executableFolder());
    for (auto _ : bench) {
        bench::QuietSave view(saved.mod.string());
        if (saveScriptCommand(*saved.state, view, dataFolder) != SaveOutcome::Complete || view.failed)
            bench.SkipWithError("the save did not complete");
    }
}
BENCHMARK(ResaveLargestPlaylist)->Unit(benchmark::kMillisecond)->UseRealTime();

// The names a save gives without looking into mp3s (what the script command writes).
void NameLargestPlaylist(benchmark::State& bench) {
    const SavedLargestPlaylist& saved = savedLargestPlaylist();
    for (auto _ : bench)
        benchmark::DoNotOptimize(assignScriptNames(*saved.state));
}
BENCHMARK(NameLargestPlaylist)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with the list of copies read and mp3s looked through: the difference is what deciding
// which files are ours adds to a save.
void NameLargestPlaylistBesideItsListedCopies(benchmark::State& bench) {
    const SavedLargestPlaylist& saved = savedLargestPlaylist();
    const std::string mod = saved.mod.string();
    if (TrackFolderFiles::read(mod).ourCopies().size() != static_cast<std::size_t>(LargestPlaylist))
        bench.SkipWithError("the copies are not all listed");
    for (auto _ : bench) {
        const TrackFolderFiles found = TrackFolderFiles::read(mod);
        benchmark::DoNotOptimize(assignScriptNames(*saved.state, &found));
    }
}
BENCHMARK(NameLargestPlaylistBesideItsListedCopies)->Unit(benchmark::kMillisecond)->UseRealTime();

// Writing the list at the end of such a save, flushed to the disk as every file of the save.
void WriteListOfLargestPlaylist(benchmark::State& bench) {
    const SavedLargestPlaylist& saved = savedLargestPlaylist();
    const std::string mod = saved.mod.string();
    const std::vector<CopyRecord> records = readCopyList(mod);
    for (auto _ : bench)
        if (writeCopyList(mod, records))
            bench.SkipWithError("the list was not written");
}
BENCHMARK(WriteListOfLargestPlaylist)->Unit(benchmark::kMillisecond)->UseRealTime();

void CpThousandTracks(benchmark::State& bench) {
    const std::string command = "cp --reflink=never '" + musicFolder().string() + "'/*.mp3 '" +
                                (fs::temp_directory_path() / "jukewright-bench-cp").string() + "'/";
    for (auto _ : bench) {
        bench.PauseTiming();
        freshFolder("jukewright-bench-cp");
        bench.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            bench.SkipWithError("cp failed");
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * TrackCount * TrackSize);
}
BENCHMARK(CpThousandTracks)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
