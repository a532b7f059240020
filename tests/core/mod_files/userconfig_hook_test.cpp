#include "core/mod_files/userconfig_hook.h"
#include "support/fixtures.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

using namespace jukewright;
using namespace std::string_literals;
namespace fs = std::filesystem;

// The file is written exactly when it lacks the row: a file that has it keeps even its timestamp.
TEST(UserConfigHook, FileGainsTheRowLastUnlessItHoldsItAlreadyAndAMissingModFolderIsReported) {
    test::TempFolder mod;
    EXPECT_EQ(HookUserConfig(mod.str()), std::nullopt);
    EXPECT_EQ(mod.read("userconfig.cfg"), "exec mp3.cfg\r\n") << "a missing file is created with the row alone";
    // Rows that only look like the hook row, the last without a line end.
    const std::string nearMisses = "exec mp3.cfg \r\nExec mp3.cfg\r\nexec MP3.cfg\r\n exec mp3.cfg\r\nexec mine.cfg";
    const std::pair<std::string, std::string> files[] = {
        {"", "exec mp3.cfg\r\n"},
        {nearMisses, nearMisses + "\r\nexec mp3.cfg\r\n"},
        {"bind x y\r\nexec mp3.cfg\r\nbind z w", "bind x y\r\nexec mp3.cfg\r\nbind z w"},
        {"bind x y\nexec mp3.cfg\n", "bind x y\nexec mp3.cfg\n"},
        {"bind x y\nexec other.cfg\n", "bind x y\nexec other.cfg\nexec mp3.cfg\r\n"},
        // A lone CR ends no command: the game would run "bind x y exec mp3.cfg".
        {"bind x y\rexec mp3.cfg\r", "bind x y\rexec mp3.cfg\r\nexec mp3.cfg\r\n"},
        {"bind x y\rexec mp3.cfg", "bind x y\rexec mp3.cfg\r\nexec mp3.cfg\r\n"},
    };
    // Whole seconds: some file systems keep no finer time.
    const auto old =
        std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    for (const auto& [bytes, expected] : files) {
        const std::string path = mod.write("userconfig.cfg", bytes);
        fs::last_write_time(path, old);
        EXPECT_EQ(HookUserConfig(mod.str()), std::nullopt);
        EXPECT_EQ(mod.read("userconfig.cfg"), expected) << bytes;
        EXPECT_EQ(fs::last_write_time(path) == old, bytes == expected) << bytes;
    }
    const FileFailure failure = HookUserConfig(mod.file("gone")).value_or(FileFailure{});
    EXPECT_EQ(failure.path, mod.file("gone") + "\\userconfig.cfg");
    EXPECT_NE(failure.reason, "");
    EXPECT_FALSE(fs::exists(mod.path() / "gone")) << "a missing mod folder is not made";
}

TEST(UserConfigHook, TakingTheHookOutKeepsEveryOtherByteAndANulByteHidesItWhereTheEngineStopsReading) {
    const std::pair<std::string, std::string> files[] = {
        {"", ""},
        {"exec mp3.cfg", ""},
        {"exec mp3.cfg\r\n", ""},
        {"a\r\nexec mp3.cfg\r\nb", "a\r\nb"},
        {"a\nexec mp3.cfg\rexec mp3.cfg\n\nb\r", "a\n\nb\r"},
        {" exec mp3.cfg\r\nexec mp3.cfg \r\nEXEC mp3.cfg\r\nexec mp3.cfgx",
         " exec mp3.cfg\r\nexec mp3.cfg \r\nEXEC mp3.cfg\r\nexec mp3.cfgx"},
        {"a\r\nexec mp3.cfg", "a\r\n"},
    };
    for (const auto& [bytes, expected] : files)
        EXPECT_EQ(userConfigWithoutHook(bytes), expected) << bytes;
    const std::string large(GoldSrcRules.commandBufferSize, ' ');
    const struct {
        std::string bytes;
        std::optional<std::size_t> goldSrc;
        std::optional<std::size_t> xash;
    } rows[] = {
        {"a\r\nb \0c\r\nexec mp3.cfg\r\n"s, 2, std::nullopt},
        {"\0\nexec mp3.cfg\r\n"s, 1, std::nullopt},
        {"exec mp3.cfg\r\n\0"s, std::nullopt, std::nullopt},
        {"a\0\n"s + large + "\nexec mp3.cfg\r\n", std::nullopt, std::nullopt},
        {"a\0\nno hook\r\n"s, std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nulLineBeforeHook(row.bytes, GoldSrcRules), row.goldSrc) << row.bytes.substr(0, 20);
        EXPECT_EQ(nulLineBeforeHook(row.bytes, Xash3DRules), row.xash) << row.bytes.substr(0, 20);
    }
}
