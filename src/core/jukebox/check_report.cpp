#include "core/jukebox/check_report.h"

#include "core/jukebox/save_script.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <algorithm>

namespace jukewright {

namespace {

std::string counted(std::ptrdiff_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

CheckRequest checkRequestFor(std::string modFolderText) {
    if (modFolderText.empty())
        return {{}, Message{NoModFolderText, TitlePlain, MessageIcon::None}};
    if (modFolderText.size() > 1 && isSeparator(modFolderText.back()))
        modFolderText.pop_back();
    if (!isExistingFolderText(modFolderText))
        return {{}, Message{ModFolderNotFoundText, TitlePlain, MessageIcon::None}};
    return {std::move(modFolderText), std::nullopt};
}

const char* severityWord(CheckSeverity severity) {
    switch (severity) {
    case CheckSeverity::Ok:
        return "OK";
    case CheckSeverity::Warning:
        return "Warning";
    case CheckSeverity::Problem:
        break;
    }
    return "Problem";
}

std::string checkSummary(const std::vector<CheckResult>& results) {
    const auto count = [&results](CheckSeverity severity) {
        return std::ranges::count(results, severity, &CheckResult::severity);
    };
    const std::ptrdiff_t problems = count(CheckSeverity::Problem);
    const std::ptrdiff_t warnings = count(CheckSeverity::Warning);
    if (problems == 0 && warnings == 0)
        return "The jukebox loads as saved: every check passed.";
    std::string text = problems ? counted(problems, "problem", "problems") : std::string();
    if (warnings)
        text += (text.empty() ? "" : " and ") + counted(warnings, "warning", "warnings");
    return text + (problems ? ": the jukebox does not work as saved." : ": the jukebox works in Half-Life.");
}

} // namespace jukewright
