// The userconfig hook on any file: afterwards the file holds the hook row, keeps every row it had in
// order, and a second hook leaves it as it is.
#include "core/integration/userconfig_hook.h"
#include "core/system/text_rows.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace jukewright;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto mod = fuzz::fuzzFolder("userconfig-" + std::to_string(::getpid()));
    const auto file = mod / "userconfig.cfg";
    const std::string_view before = fuzz::bytesOf(data, size);
    fuzz::writeFile(file, before);
    fuzz::require(!HookUserConfig(mod.string()), "the hook writes a writable file");
    const FileContent once = readFileBytes(file.string());
    fuzz::require(!HookUserConfig(mod.string()), "the hook writes a writable file");
    const FileContent twice = readFileBytes(file.string());
    fuzz::require(once.bytes == twice.bytes, "the hook is idempotent");

    const auto rowsBefore = splitRows(before, LineEnds::System);
    const auto rowsAfter = splitRows(once.bytes, LineEnds::System);
    fuzz::require(std::ranges::find(rowsAfter, std::string(UserConfigHookRow)) != rowsAfter.end(),
                  "the file holds the hook row");
    const bool hadHook = std::ranges::find(rowsBefore, std::string(UserConfigHookRow)) != rowsBefore.end();
    fuzz::require(hadHook ? once.bytes == before : rowsAfter.size() == rowsBefore.size() + 1,
                  "a hooked file is left alone, any other gains one row");
    fuzz::require(std::equal(rowsBefore.begin(), rowsBefore.end(), rowsAfter.begin()), "every row stays in order");
    return 0;
}
