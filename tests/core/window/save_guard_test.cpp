#include "core/window/save_guard.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace jukewright;

TEST(SaveGuard, DuringASaveOnlyTheLanguageTheLibraryAndTheLinksRun) {
    const WindowCommand running[] = {WindowCommand::Language, WindowCommand::MediaLibrary, WindowCommand::OpenDataFile};
    SaveGuard guard;
    guard.saveStarts();
    for (int i = 0; i <= static_cast<int>(WindowCommand::OpenDataFile); ++i) {
        const auto command = static_cast<WindowCommand>(i);
        EXPECT_EQ(guard.allows(command), std::ranges::count(running, command) == 1) << i;
        EXPECT_TRUE(SaveGuard().allows(command));
    }
}

TEST(SaveGuard, FilesAndACloseWaitForTheSaveToEnd) {
    SaveGuard guard;
    EXPECT_FALSE(guard.holdFiles({"a.mp3"}));
    EXPECT_FALSE(guard.holdClose());
    guard.saveStarts();
    EXPECT_TRUE(guard.holdFiles({"b.mp3", "c.pls"}));
    EXPECT_TRUE(guard.holdFiles({"d.mp3"}));
    SaveGuard::AfterSave after = guard.saveEnds();
    EXPECT_FALSE(after.close);
    EXPECT_EQ(after.files, (std::vector<std::string>{"b.mp3", "c.pls", "d.mp3"}));

    // A close held over ends the run, and the files held with it.
    guard.saveStarts();
    guard.holdFiles({"e.mp3"});
    EXPECT_TRUE(guard.holdClose());
    after = guard.saveEnds();
    EXPECT_TRUE(after.close);
    EXPECT_TRUE(after.files.empty());
}
