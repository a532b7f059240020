// The userconfig hook on any file: afterwards the file holds the hook row where the game runs it,
// keeps every byte it had, and a second hook leaves it as it is.
#include "core/mod_files/userconfig_hook.h"
#include "core/system/text_rows.h"
#include "fuzz_support.h"

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

    // The game runs a row only when an LF (or the file's start) comes before it: a lone CR ends no
    // command. So a hook is found or added by that rule, and every byte of the player's stays.
    fuzz::require(hookRowOffset(once.bytes).has_value(), "the file holds the hook row where the game runs it");
    const bool hadHook = hookRowOffset(before).has_value();
    const std::string hookRow = std::string(UserConfigHookRow) + "\r\n";
    fuzz::require(hadHook ? once.bytes == before
                          : once.bytes.starts_with(before) && once.bytes.ends_with(hookRow) &&
                                once.bytes.size() <= before.size() + 2 + hookRow.size(),
                  "a hooked file is left alone, any other keeps its bytes and gains the hook row");
    return 0;
}
