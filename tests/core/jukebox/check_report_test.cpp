#include "core/jukebox/check_report.h"
#include "core/jukebox/save_script.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace jukewright;

TEST(CheckRequest, RefusesWhatTheSaveRefusesWithTheSameMessage) {
    test::TempFolder folder;
    folder.write("cstrike/liblist.gam", "game \"cstrike\"\n");
    folder.write("track.mp3", "ID3");
    const Message none{NoModFolderText, TitlePlain, MessageIcon::None};
    const Message notFound{ModFolderNotFoundText, TitlePlain, MessageIcon::None};
    const struct {
        std::string text;
        std::optional<Message> refusal;
        std::string modFolder;
    } cases[] = {
        {"", none, ""},
        {folder.file("missing"), notFound, ""},
        {folder.file("track.mp3"), notFound, ""},
        {folder.file("cstrik?"), notFound, ""},
        {folder.file("cstrike"), std::nullopt, folder.file("cstrike")},
        {folder.file("cstrike") + "/", std::nullopt, folder.file("cstrike")},
    };
    for (const auto& c : cases) {
        const CheckRequest request = checkRequestFor(c.text);
        EXPECT_EQ(request.refusal, c.refusal) << c.text;
        EXPECT_EQ(request.modFolder, c.modFolder) << c.text;
    }
}

TEST(CheckRequest, SummaryCountsProblemsAndWarnings) {
    const CheckResult ok{"hook", CheckSeverity::Ok, ""};
    const CheckResult warning{"script", CheckSeverity::Warning, ""};
    const CheckResult problem{"tracks", CheckSeverity::Problem, ""};
    const struct {
        std::vector<CheckResult> results;
        std::string summary;
    } cases[] = {
        {{ok, ok}, "The jukebox loads as saved: every check passed."},
        {{ok, warning}, "1 warning: the jukebox works in Half-Life."},
        {{problem, ok, problem, warning, warning}, "2 problems and 2 warnings: the jukebox does not work as saved."},
        {{problem}, "1 problem: the jukebox does not work as saved."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkSummary(c.results), c.summary);
}
