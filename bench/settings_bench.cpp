// How long the settings file's passes take: the two start-up passes and the shutdown save, with a
// full list of a hundred remembered folders.
#include "core/settings/settings_store.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

using namespace jukewright;

namespace {

class NoMessages : public MessageView {
public:
    void showMessage(const Message&) override {}
};

class NoRows : public ModFolderBox {
public:
    void appendModFolderRow(const std::string&) override {}
};

struct SettingsFolder {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "jukewright-settings-bench";
    std::string path = (folder / "settings.jst").string();
    NoMessages messages;

    SettingsFolder() {
        std::filesystem::create_directories(folder);
        std::filesystem::remove(path);
        auto state = std::make_unique<AppState>();
        state->ModFolderCount = AppState::MaxModFolders;
        for (std::size_t i = 0; i < AppState::MaxModFolders; ++i)
            state->ModFolders[i] = "/home/player/.steam/steam/steamapps/common/Half-Life/mod" + std::to_string(i);
        SettingsStore store(path, messages);
        store.InitSettingsFile();
        store.SaveExitSettings(*state);
    }
    ~SettingsFolder() { std::filesystem::remove_all(folder); }
};

void StartUpPasses(benchmark::State& bench) {
    SettingsFolder settings;
    NoRows rows;
    for (auto _ : bench) {
        auto state = std::make_unique<AppState>();
        SettingsStore store(settings.path, settings.messages);
        store.InitSettingsFile();
        store.LoadSettings(*state, rows);
        benchmark::DoNotOptimize(state->ModFolderCount);
    }
}
BENCHMARK(StartUpPasses)->Unit(benchmark::kMicrosecond);

void ShutdownSave(benchmark::State& bench) {
    SettingsFolder settings;
    NoRows rows;
    auto state = std::make_unique<AppState>();
    SettingsStore store(settings.path, settings.messages);
    store.InitSettingsFile();
    store.LoadSettings(*state, rows);
    for (auto _ : bench)
        benchmark::DoNotOptimize(store.SaveExitSettings(*state));
}
BENCHMARK(ShutdownSave)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
