// Saving a large playlist into an empty mod folder, side by side with `cp --reflink=never` copying
// the same files, both with a warm cache.
#include "core/playlist/track_list.h"
#include "core/script/save_script.h"
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

class NoRows : public PlaylistView {
public:
    void showMessage(const Message&) override {}
    void clearRows() override {}
    void appendRow(const std::string&) override {}
    int rowCount() const override { return 0; }
    bool isRowSelected(int) const override { return false; }
    void selectRow(int) override {}
    void hideHoverImages() override {}
};

class QuietSave : public SaveView {
public:
    explicit QuietSave(std::string folder) : m_folder(std::move(folder)) {}
    void showMessage(const Message& message) override { failed = failed || message.icon == MessageIcon::Stop; }
    void pumpEvents() override {}
    void hideHoverImages() override {}
    std::string modFolderText() const override { return m_folder; }
    void setModFolderText(const std::string& text) override { m_folder = text; }
    void setModFolderEnabled(bool) override {}
    void addModFolderToList(const std::string&) override {}
    void setProgressStage(SaveStage) override {}
    void showProgressWindow() override {}
    void setProgressCaption(const std::string&) override {}
    void setProgressMaximum(int) override {}
    void setProgressValue(int, std::string_view) override {}
    bool failed = false;

private:
    std::string m_folder;
};

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
    NoRows rows;
    for (const auto& entry : fs::directory_iterator(musicFolder()))
        appendTrack(*state, rows, entry.path().string());
    const std::string dataFolder = findDataFolder(executableFolder());
    for (auto _ : bench) {
        bench.PauseTiming();
        const fs::path mod = freshFolder("jukewright-bench-save") / "cstrike";
        fs::create_directories(mod);
        QuietSave view(mod.string());
        bench.ResumeTiming();
        if (saveScriptCommand(*state, view, dataFolder) != SaveOutcome::Complete || view.failed)
            bench.SkipWithError("the save did not complete");
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * TrackCount * TrackSize);
}
BENCHMARK(SaveThousandTracks)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

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
