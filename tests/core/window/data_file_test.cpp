#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/window/data_file.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "support/recording_views.h"

#include <gtest/gtest.h>

using namespace jukewright;

TEST(DataFile, AMissingFileAndAFileNoProgramOpensAreToldApart) {
    const test::TempFolder data;
    data.write("readme.txt", "How to play");
    const std::string readme = joinPath(data.str(), "readme.txt");
    const std::string note = displayPath(joinPath(data.str(), "free_track.txt"));
    test::FakeDesktop desktop;
    test::RecordingMessages messages;

    openDataFile(desktop, messages, data.str(), FreeTrackLink);
    openDataFile(desktop, messages, data.str(), Readme);
    EXPECT_EQ(desktop.opened, std::vector<std::string>{readme});
    desktop.answerNoProgram = true;
    openDataFile(desktop, messages, data.str(), GuideLink);
    const std::vector<Message> expected = {
        {"Error: the link could not be opened: " + note, TitleError, MessageIcon::Stop},
        {"Error: no program could open the link: " + displayPath(readme), TitleError, MessageIcon::Stop}};
    EXPECT_EQ(messages.messages, expected);
}

// The player's guide is opened in Notepad too, which shows a file of bare LF ends as one long line.
TEST(DataFile, ThePlayersGuideEndsEveryLineWithCrLf) {
    const std::string guide = test::readBytes(test::utf8Path(JUKEWRIGHT_DATA_DIR "/readme.txt"));
    std::size_t lines = 0;
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < guide.size(); ++i)
        if (guide[i] == '\n')
            ++lines, crlf += i > 0 && guide[i - 1] == '\r';
    EXPECT_GT(lines, 100u);
    EXPECT_EQ(crlf, lines);
}
