// The game console of either engine on any text run as the mod's userconfig.cfg, the way the game
// starts a mod: it always ends, within its bounds, and the buffer is empty afterwards. (A loop runs
// to the bound of half a million commands, so inputs that loop are slow to fuzz; the seeds hold
// none.)
#include "core/console/game_console.h"
#include "fuzz_support.h"

using namespace jukewright;

namespace {

class CountingOutput : public ConsoleOutput {
public:
    void effect(const std::string&) override { ++lines; }
    void notice(const std::string&) override { ++lines; }
    long lines = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto mod = fuzz::fuzzFolder("console-" + std::to_string(::getpid()));
    const std::string_view text = fuzz::bytesOf(data, size);
    fuzz::writeFile(mod / "userconfig.cfg", text);
    for (const EngineRules* rules : {&GoldSrcRules, &Xash3DRules}) {
        CountingOutput output;
        GameConsole console(mod.string(), output, *rules);
        console.run("exec userconfig.cfg");
        fuzz::require(console.idle(), "a started file runs to its end");
        // Each command prints at most a line and a notice, in one burst of at most its bound.
        fuzz::require(output.lines <= 2L * (MaxCommandsPerBurst + MaxExecsPerBurst) + 4, "output stays within bounds");
    }
    return 0;
}
