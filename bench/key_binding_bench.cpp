#include "core/mod_files/key_binding_list.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

class IgnoredMessages : public jukewright::MessageView {
public:
    void showMessage(const jukewright::Message&) override {}
};

// A mod folder whose key-binding list holds `rows` rows and no controls section yet.
fs::path makeModFolder(int rows) {
    std::random_device random;
    const fs::path mod = fs::temp_directory_path() / ("jukewright-bench-" + std::to_string(random())) / "cstrike";
    fs::create_directories(mod / "gfx" / "shell");
    std::ofstream list(mod / "gfx" / "shell" / "kb_act.lst", std::ios::binary);
    for (int i = 0; i < rows; ++i)
        list << "\"+command" << i << "\"\t\t\"Caption of row " << i << "\"\r\n";
    return mod;
}

// Every run after the first removes the section the run before appended and appends it again, so each
// one reads and replaces the whole list.
void RewriteKeyBindingList(benchmark::State& state) {
    const fs::path mod = makeModFolder(static_cast<int>(state.range(0)));
    IgnoredMessages view;
    for (auto _ : state) {
        const auto failures = jukewright::WriteKeyBindingList(mod.string(), mod.string(), view);
        if (!failures.empty())
            state.SkipWithError(failures.front().reason.c_str());
        benchmark::DoNotOptimize(failures);
    }
    std::error_code ignored;
    fs::remove_all(mod.parent_path(), ignored);
}
BENCHMARK(RewriteKeyBindingList)->Arg(9999)->Unit(benchmark::kMillisecond);

void BuildKeyBindingListBytes(benchmark::State& state) {
    std::string list;
    for (int i = 0; i < 9999; ++i)
        list += "\"+command" + std::to_string(i) + "\"\t\t\"Caption of row " + std::to_string(i) + "\"\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(jukewright::keyBindingListBytes(list));
}
BENCHMARK(BuildKeyBindingListBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
