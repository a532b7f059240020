#include "core/integration/userconfig_hook.h"
#include "support/fixtures.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace jukewright;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view Hook = "exec mp3.cfg\r\n";

// A mod folder holding userconfig.cfg with `bytes`; the hook's result is what the file holds after it.
class UserConfigHook : public ::testing::Test {
protected:
    std::string hookWith(std::string_view bytes) {
        folder.write("userconfig.cfg", bytes);
        EXPECT_EQ(HookUserConfig(folder.str()), std::nullopt);
        return folder.read("userconfig.cfg");
    }

    test::TempFolder folder;
};

} // namespace

TEST_F(UserConfigHook, MissingFileIsCreatedWithTheHookRowAlone) {
    EXPECT_EQ(HookUserConfig(folder.str()), std::nullopt);
    EXPECT_EQ(folder.read("userconfig.cfg"), Hook);
    EXPECT_EQ(folder.read("userconfig.cfg").size(), 14u);
}

TEST_F(UserConfigHook, EmptyFileGetsTheHookRowAlone) {
    EXPECT_EQ(hookWith(""), Hook);
}

TEST_F(UserConfigHook, OtherRowsStayInOrderAndTheHookGoesLast) {
    EXPECT_EQ(hookWith("bind \"F5\" \"snapshot\"\r\nexec autobuy.cfg\r\n"),
              std::string("bind \"F5\" \"snapshot\"\r\nexec autobuy.cfg\r\n").append(Hook));
}

TEST_F(UserConfigHook, LastRowWithoutLineEndGetsOneBeforeTheHook) {
    EXPECT_EQ(hookWith("exec mine.cfg"), std::string("exec mine.cfg\r\n").append(Hook));
}

TEST_F(UserConfigHook, KeptRowsKeepTheirBytes) {
    const std::string rows = "echo \"Caf\xE9\"\t// tab\r\n\xFF\xFE junk\r\n  \r\n";
    EXPECT_EQ(hookWith(rows), rows + std::string(Hook));
}

TEST_F(UserConfigHook, NearMissesAreNotTheHookRow) {
    for (const std::string nearMiss :
         {"exec mp3.cfg ", "Exec mp3.cfg", "exec mp3.cfg // jukebox", " exec mp3.cfg", "exec MP3.cfg"}) {
        EXPECT_EQ(hookWith(nearMiss + "\r\n"), nearMiss + "\r\n" + std::string(Hook)) << '"' << nearMiss << '"';
    }
}

TEST_F(UserConfigHook, FileHoldingTheRowIsNotWrittenAtAll) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (const std::string bytes : {"exec mp3.cfg\r\n", "bind x y\r\nexec mp3.cfg\r\nbind z w\r\n",
                                    "bind x y\rexec mp3.cfg", "exec mp3.cfg\r\nexec mp3.cfg\r\n"}) {
        const std::string path = folder.write("userconfig.cfg", bytes);
        fs::last_write_time(path, old);
        EXPECT_EQ(HookUserConfig(folder.str()), std::nullopt);
        EXPECT_EQ(folder.read("userconfig.cfg"), bytes);
        EXPECT_EQ(fs::last_write_time(path), old) << "the file was rewritten";
    }
}

TEST_F(UserConfigHook, LfOnlyFileFollowsTheSystemsLineEnds) {
#ifdef _WIN32
    // A lone LF ends no row here: the whole file is one row, kept as it is.
    EXPECT_EQ(hookWith("bind x y\nexec mp3.cfg\n"), std::string("bind x y\nexec mp3.cfg\n\r\n").append(Hook));
#else
    EXPECT_EQ(hookWith("bind x y\nexec mp3.cfg\n"), "bind x y\nexec mp3.cfg\n") << "the hook row is found";
    EXPECT_EQ(hookWith("bind x y\nexec other.cfg\n"), std::string("bind x y\r\nexec other.cfg\r\n").append(Hook));
#endif
}

TEST_F(UserConfigHook, FolderInTheWayIsReportedAndLeftAlone) {
    fs::create_directory(folder.path() / "userconfig.cfg");
    const auto failure = HookUserConfig(folder.str());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, folder.str() + "\\userconfig.cfg");
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_TRUE(fs::is_directory(folder.path() / "userconfig.cfg"));
}

TEST_F(UserConfigHook, MissingModFolderIsReported) {
    const auto failure = HookUserConfig(folder.file("gone"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_FALSE(fs::exists(folder.path() / "gone"));
}

TEST_F(UserConfigHook, UnreadableFileIsReportedAndNeverOverwritten) {
#ifndef _WIN32
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
#endif
    const std::string path = folder.write("userconfig.cfg", "bind x y\r\n");
    fs::permissions(path, fs::perms::none);
    const auto failure = HookUserConfig(folder.str());
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, folder.str() + "\\userconfig.cfg");
    EXPECT_EQ(folder.read("userconfig.cfg"), "bind x y\r\n");
}
