#include "core/integration/jukebox_check.h"

#include "core/integration/chat_text.h"
#include "core/integration/command_buffer.h"
#include "core/integration/console_tokenizer.h"
#include "core/integration/game_console.h"
#include "core/integration/key_binding_list.h"
#include "core/integration/userconfig_hook.h"
#include "core/script/script_text.h"
#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace jukewright {

namespace {

constexpr std::size_t MostNamed = 5;

class SilentOutput : public ConsoleOutput {
public:
    void effect(const std::string&) override {}
    void notice(const std::string&) override {}
};

CheckResult ok(std::string kind, std::string text) {
    return {std::move(kind), CheckSeverity::Ok, std::move(text)};
}
CheckResult problem(std::string kind, std::string text) {
    return {std::move(kind), CheckSeverity::Problem, std::move(text)};
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What follows `command` and its spaces in the first of the alias's commands that `command` starts.
std::optional<std::string> argumentOf(const std::string& aliasText, std::string_view command) {
    std::size_t start = 0;
    while (start <= aliasText.size()) {
        const std::size_t end = std::min(aliasText.find(';', start), aliasText.size());
        const std::string_view piece = trimmed(std::string_view(aliasText).substr(start, end - start));
        if (piece.starts_with(command) && piece.size() > command.size() &&
            (piece[command.size()] == ' ' || piece[command.size()] == '\t'))
            return std::string(trimmed(piece.substr(command.size())));
        start = end + 1;
    }
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < MostNamed; ++i)
        text += (i ? ", " : "") + items[i];
    if (items.size() > MostNamed)
        text += " and " + std::to_string(items.size() - MostNamed) + " more";
    return text;
}

bool hasHookRow(const std::string& modFolder) {
    const FileRows rows = readTextRows(modFolder + "\\userconfig.cfg", LineEnds::Any);
    return std::ranges::any_of(rows.rows, [](const std::string& row) { return trimmed(row) == UserConfigHookRow; });
}

CheckResult hookResult(const std::string& modFolder, bool loaded, bool scriptExists) {
    if (loaded)
        return ok("hook", "userconfig.cfg runs exec mp3.cfg and the jukebox loads");
    if (!FileExists(modFolder + "\\userconfig.cfg"))
        return problem("hook", "there is no userconfig.cfg, so the game never runs mp3.cfg");
    if (!hasHookRow(modFolder))
        return problem("hook", "userconfig.cfg does not run exec mp3.cfg");
    if (!scriptExists)
        return ok("hook", "userconfig.cfg runs exec mp3.cfg");
    return problem("hook", "userconfig.cfg runs exec mp3.cfg, but mp3.cfg defines no jukebox (no playtrack alias)");
}

CheckResult controlsResult(const std::string& modFolder) {
    const std::string path = modFolder + "\\gfx\\shell\\kb_act.lst";
    if (!FileExists(path))
        return problem("controls",
                       "there is no gfx/shell/kb_act.lst, so the Controls menu cannot show the jukebox keys");
    const FileContent list = readFileBytes(path);
    if (list.error)
        return problem("controls", "gfx/shell/kb_act.lst could not be read (" + describeError(list.error) + ")");
    const int sections = controlsSectionCount(list.bytes);
    if (sections == 1)
        return ok("controls", "gfx/shell/kb_act.lst has one MP3 Player Controls section");
    if (sections == 0)
        return problem("controls", "gfx/shell/kb_act.lst has no MP3 Player Controls section");
    return problem("controls", "gfx/shell/kb_act.lst has " + std::to_string(sections) +
                                   " MP3 Player Controls sections; the Controls menu shows each of them");
}

// The same file however the path is spelled: either separator, any letter case.
std::string fileKey(std::string path) {
    for (char& c : path)
        c = c == '\\' ? '/' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return path;
}

bool isTrackFile(const std::string& modFolder, const std::string& path) {
    const std::string key = fileKey(path);
    return key.starts_with("mp3s/") && key.find("/..") == std::string::npos &&
           isRegularFile(fsPath(modFolder + "\\" + path));
}

void addTrackResults(const GameConsole& console, const std::string& modFolder, std::vector<CheckResult>& results) {
    std::vector<std::string> missing;
    std::vector<std::string> shared;
    std::map<std::string, int> firstTrack;
    int count = 0;
    for (int n = 1;; ++n) {
        const auto play = console.aliasText("track" + std::to_string(n));
        if (!play)
            break;
        count = n;
        const auto loop = console.aliasText("lptrack" + std::to_string(n));
        const auto playPath = argumentOf(*play, "mp3 play");
        const auto loopPath = loop ? argumentOf(*loop, "mp3 loop") : std::nullopt;
        for (const auto& path : {playPath, loopPath})
            if (!path || !isTrackFile(modFolder, *path))
                missing.push_back("track " + std::to_string(n) + " (" + path.value_or("no path") + ")");
        if (!playPath)
            continue;
        const auto [first, isNew] = firstTrack.emplace(fileKey(*playPath), n);
        if (!isNew)
            shared.push_back("tracks " + std::to_string(first->second) + " and " + std::to_string(n) + " (" +
                             *playPath + ")");
    }
    if (count == 0)
        results.push_back(problem("tracks", "mp3.cfg names no tracks"));
    else if (missing.empty())
        results.push_back(ok("tracks", "all " + std::to_string(count) + " tracks that mp3.cfg names are in mp3s"));
    else
        results.push_back(problem("tracks", "mp3.cfg names tracks that are not in mp3s: " + joined(missing)));
    if (shared.empty())
        results.push_back(ok("shared files", "no two tracks share a file"));
    else
        results.push_back(problem("shared files", "tracks share a file: " + joined(shared)));
}

CheckResult chatResult(const GameConsole& console) {
    std::vector<std::string> cut;
    for (int n = 1; console.aliasText("track" + std::to_string(n)); ++n) {
        for (const auto& [alias, command, channel] : {std::tuple{"saytrack", "say", ChatChannel::Everyone},
                                                      std::tuple{"tsaytrack", "say_team", ChatChannel::Team}}) {
            const auto text = console.aliasText(alias + std::to_string(n));
            const auto said = text ? argumentOf(*text, command) : std::nullopt;
            if (said && said->size() > maxChatTextBytes(channel))
                cut.push_back("track " + std::to_string(n) + " (" + command + ", " + std::to_string(said->size()) +
                              " bytes)");
        }
    }
    if (cut.empty())
        return ok("chat", "no chat announcement is cut short (117 bytes for say, 110 for say_team)");
    return problem("chat", "the game cuts chat announcements longer than 117 bytes (110 for say_team): " + joined(cut));
}

// The step of the last row that is `alias` and digits alone, or nothing.
std::optional<std::string> startVolume(const std::vector<std::string>& rows, std::string_view alias) {
    std::optional<std::string> found;
    for (const std::string& row : rows) {
        const std::string_view text = trimmed(row);
        if (text.size() > alias.size() && text.starts_with(alias) &&
            text.find_first_not_of("0123456789", alias.size()) == std::string_view::npos)
            found = std::string(text.substr(alias.size()));
    }
    return found;
}

bool isLadderStep(const std::string& digits) {
    return digits.size() <= 3 && std::ranges::find(ScriptVolumeSteps, std::stoi(digits)) != ScriptVolumeSteps.end();
}

CheckResult volumeResult(const std::vector<std::string>& rows) {
    std::vector<std::string> faults;
    for (const std::string_view alias : {"vol", "gvol"}) {
        const auto step = startVolume(rows, alias);
        if (!step)
            faults.push_back("no " + std::string(alias) + "<N> row");
        else if (!isLadderStep(*step))
            faults.push_back(std::string(alias) + *step + " is not a step of the volume keys");
    }
    if (faults.empty())
        return ok("volumes", "both start-up volumes are steps of the volume keys");
    return problem("volumes", "start-up volumes: " + joined(faults));
}

CheckResult textResult(const std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        const std::string line = "line " + std::to_string(i + 1);
        if (std::ranges::any_of(row, [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            return problem("text", line + " of mp3.cfg holds a byte that is not ASCII; the game's console skips or "
                                          "splits at such bytes");
        for (std::size_t open = row.find('"'); open != std::string::npos;) {
            const std::size_t close = row.find('"', open + 1);
            const std::size_t length = (close == std::string::npos ? row.size() : close) - open - 1;
            if (length >= LongWordBytes)
                return problem("text", line + " of mp3.cfg has a quoted word of " + std::to_string(length) +
                                           " bytes; the game's console drops the command of a word of 516 or more");
            open = close == std::string::npos ? close : row.find('"', close + 1);
        }
    }
    return ok("text", "mp3.cfg is pure ASCII and no quoted word reaches 516 bytes");
}

CheckResult sizeResult(const std::string& bytes, const std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() > MaxCommandLength)
            return problem("size", "line " + std::to_string(i + 1) + " of mp3.cfg is " +
                                       std::to_string(rows[i].size()) +
                                       " bytes long; the game's console runs lines of at most 1,023 bytes");
    const std::string size = std::to_string(bytes.size()) + " bytes";
    if (bytes.size() > MaxPortableScriptBytes)
        return {"size", CheckSeverity::Warning,
                "mp3.cfg is " + size +
                    ": Half-Life loads it, but Xash3D-based engines drop a script over 32,766 "
                    "bytes whole"};
    return ok("size", "mp3.cfg (" + size + ") fits the command buffers of every engine");
}

} // namespace

std::vector<CheckResult> checkJukebox(const std::string& modFolder) {
    SilentOutput output;
    GameConsole console(modFolder, output);
    console.run("exec userconfig.cfg");
    const bool loaded = console.aliasText("playtrack").has_value();
    const std::string scriptPath = modFolder + "\\mp3.cfg";
    const bool scriptExists = isRegularFile(fsPath(scriptPath));

    std::vector<CheckResult> results{hookResult(modFolder, loaded, scriptExists), controlsResult(modFolder)};
    if (!scriptExists) {
        results.push_back(problem("script", "there is no mp3.cfg in the mod folder"));
        return results;
    }
    const FileContent script = readFileBytes(scriptPath);
    if (script.error) {
        results.push_back(problem("script", "mp3.cfg could not be read (" + describeError(script.error) + ")"));
        return results;
    }
    // The rest is about the script itself, so it is loaded directly when the hook did not load it.
    if (!loaded)
        console.run("exec mp3.cfg");
    const std::vector<std::string> rows = splitRows(script.bytes, LineEnds::Any);
    addTrackResults(console, modFolder, results);
    results.push_back(chatResult(console));
    results.push_back(volumeResult(rows));
    results.push_back(textResult(rows));
    results.push_back(sizeResult(script.bytes, rows));
    return results;
}

} // namespace jukewright
