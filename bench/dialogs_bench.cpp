// The dialogs' core work: the volume guard on a long paste, and a credits file read pair by pair.
#include "core/credits/credits_file.h"
#include "core/settings/volume_text.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>

using namespace jukewright;

static void BM_ValidVolumeOnAPaste(benchmark::State& state) {
    const std::string pasted = "1" + std::string(static_cast<std::size_t>(state.range(0)), '0');
    for (auto _ : state)
        benchmark::DoNotOptimize(validvolume(pasted));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ValidVolumeOnAPaste)->Arg(3)->Arg(30000)->Arg(1 << 20)->Complexity();

static void BM_ValidVolumeOnLeadingZeros(benchmark::State& state) {
    const std::string pasted = std::string(static_cast<std::size_t>(state.range(0)), '0') + "5";
    for (auto _ : state)
        benchmark::DoNotOptimize(validvolume(pasted));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ValidVolumeOnLeadingZeros)->Arg(30000)->Arg(1 << 20)->Complexity();

static void BM_CreditsPairs(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "jukewright_bench_credits.txt";
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < state.range(0); ++i)
            out << "Role " << i << "\r\nName " << i << "\r\n";
    }
    CreditsFile file(path.string());
    for (auto _ : state)
        benchmark::DoNotOptimize(file.nextPair());
    std::filesystem::remove(path);
}
BENCHMARK(BM_CreditsPairs)->Arg(1)->Arg(10)->Arg(1000);

BENCHMARK_MAIN();
