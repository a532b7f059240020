#include "core/playlist/playlist_entry.h"

#include <gtest/gtest.h>
#include <utility>

using namespace jukewright;

// A local file URI is the one entry form whose text needs decoding before it names a file.
TEST(EntryPath, TakesDriveLetterPathsAndLocalFileUrisAsAbsolute) {
    const std::pair<const char*, const char*> absolute[] = {
        {"C:\\Music\\a.mp3", "C:\\Music\\a.mp3"},
        {"file:///home/My%20Song.mp3", "/home/My Song.mp3"},
        {"FILE://LocalHost/M%C3%BCsik/%e6%98%A5.mp3", "/M\xC3\xBCsik/\xE6\x98\xA5.mp3"},
        {"file://localhost/100%.mp3%zz%4", "/100%.mp3%zz%4"},
        {"file:///a%25%32%30", "/a%20"},
    };
    for (const auto& [entry, path] : absolute)
        EXPECT_EQ(absoluteEntryPath(entry), std::optional<std::string>(path)) << entry;
    for (const char* relative :
         {"C:/Music/a.mp3", "C:a.mp3", "%2Fx%2Fa.mp3", "file://server/a.mp3", "file://localhost.example/a.mp3",
          "file:/home/a.mp3", "file://localhost", "http://localhost/a.mp3"})
        EXPECT_EQ(absoluteEntryPath(relative), std::nullopt) << relative;
}
