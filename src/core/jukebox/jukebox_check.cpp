#include "core/jukebox/jukebox_check.h"

#include "core/console/chat_text.h"
#include "core/console/command_buffer.h"
#include "core/console/console_tokenizer.h"
#include "core/console/engine_detection.h"
#include "core/console/game_console.h"
#include "core/console/game_file_lookup.h"
#include "core/mod_files/key_binding_list.h"
#include "core/mod_files/userconfig_hook.h"
#include "core/script/script_text.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace jukewright {

namespace {

constexpr std::size_t MostNamed = 5;

// Calls `visit(number, row)` for each row of the bytes (CR LF, CR or LF end one), numbered from 1,
// until it returns true; returns whether it did. No row is copied, so a file of line ends costs
// nothing but its own bytes.
template <typename Visit> bool anyRow(std::string_view bytes, Visit visit) {
    std::size_t number = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (visit(++number, bytes.substr(at, end - at)))
            return true;
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return false;
}

std::string outsideText(const std::string& name) {
    return name + " is a link to a file outside the mod folder; it is not read";
}

std::string tooLargeText(const std::string& name) {
    return name + " is larger than 16 MiB, more than any jukebox; it is not read";
}

FileContent readBounded(const std::string& path) {
    return readFileBytes(path, MaxConsoleFileBytes);
}

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

CheckResult hookResult(const std::string& modFolder, bool loaded, bool scriptExists, const EngineRules& rules) {
    if (loaded)
        return ok("hook", "userconfig.cfg runs exec mp3.cfg and the jukebox loads");
    const std::string path = modFolder + "\\userconfig.cfg";
    if (!FileExists(path))
        return problem("hook", "there is no userconfig.cfg, so the game never runs mp3.cfg");
    if (!isInsideModFolder(modFolder, path))
        return problem("hook", outsideText("userconfig.cfg"));
    const FileContent userConfig = readBounded(path);
    if (userConfig.error == std::errc::file_too_large)
        return problem("hook", tooLargeText("userconfig.cfg"));
    if (userConfig.error)
        return problem("hook", "userconfig.cfg could not be read (" + describeError(userConfig.error) + ")");
    if (const auto line = nulLineBeforeHook(userConfig.bytes, rules))
        return problem("hook", "line " + std::to_string(*line) +
                                   " of userconfig.cfg holds a NUL byte: the game stops reading the file there and "
                                   "never runs exec mp3.cfg");
    if (!hookRowOffset(userConfig.bytes))
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
    const FileContent list = readBounded(path);
    if (list.error == std::errc::file_too_large)
        return problem("controls", tooLargeText("gfx/shell/kb_act.lst"));
    if (list.error)
        return problem("controls", "gfx/shell/kb_act.lst could not be read (" + describeError(list.error) + ")");
    if (isWideTextList(list.bytes))
        return {"controls", CheckSeverity::Warning,
                "gfx/shell/kb_act.lst is UTF-16 text, so a save adds no MP3 Player Controls section to it"};
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
        for (const auto& path : {playPath, loopPath}) {
            // The play and loop lines of a track name one file: a missing one is named once.
            std::string named = "track " + std::to_string(n) + " (" + path.value_or("no path") + ")";
            if ((!path || !isTrackFile(modFolder, *path)) && (missing.empty() || missing.back() != named))
                missing.push_back(std::move(named));
        }
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
std::optional<std::string> startVolume(std::string_view bytes, std::string_view alias) {
    std::optional<std::string> found;
    anyRow(bytes, [&](std::size_t, std::string_view row) {
        const std::string_view text = trimmed(row);
        if (text.size() > alias.size() && text.starts_with(alias) &&
            text.find_first_not_of("0123456789", alias.size()) == std::string_view::npos)
            found = std::string(text.substr(alias.size()));
        return false;
    });
    return found;
}

bool isLadderStep(const std::string& digits) {
    return digits.size() <= 3 && std::ranges::find(ScriptVolumeSteps, std::stoi(digits)) != ScriptVolumeSteps.end();
}

// A file of the script: mp3.cfg, or a part it runs.
struct ScriptSource {
    std::string name;
    std::string bytes;
};

// "mp3.cfg", or "mp3.cfg and its 3 parts".
std::string scriptNames(const std::vector<ScriptSource>& sources) {
    if (sources.size() == 1)
        return "mp3.cfg";
    return "mp3.cfg and its " + std::to_string(sources.size() - 1) + (sources.size() == 2 ? " part" : " parts");
}

// The files that the bytes' rows run with "exec NAME", in order.
std::vector<std::string> execedFiles(std::string_view bytes) {
    std::vector<std::string> names;
    anyRow(bytes, [&names](std::size_t, std::string_view row) {
        if (const CommandTokens tokens = tokenizeCommand(row);
            tokens.argv.size() == 2 && nameKey(tokens.argv[0]) == "exec")
            names.push_back(tokens.argv[1]);
        return false;
    });
    return names;
}

// Why a part that a file of the script runs cannot be read, or nothing when it is read into `sources`.
std::optional<std::string> readPart(const std::string& modFolder, const std::string& name, const EngineRules& rules,
                                    std::vector<ScriptSource>& sources) {
    if (const auto refusal = execRefusal(name, rules))
        return "the game's exec refuses it: " + *refusal;
    const auto path = gameFilePath(modFolder, execFileName(name, rules), rules.fileLookup);
    if (!path)
        return describeError(make_error_code(std::errc::no_such_file_or_directory));
    if (!isInsideModFolder(modFolder, *path))
        return "a link to a file outside the mod folder";
    // Never opened unless it is a file: a fifo would block the check.
    if (!isRegularFile(fsPath(*path))) {
        std::error_code error;
        const bool there = std::filesystem::exists(fsPath(*path), error);
        return describeError(there ? make_error_code(FileError::NotRegularFile)
                                   : make_error_code(std::errc::no_such_file_or_directory));
    }
    FileContent part = readBounded(*path);
    if (part.error == std::errc::file_too_large)
        return "larger than 16 MiB";
    if (part.error)
        return describeError(part.error);
    sources.push_back({name, std::move(part.bytes)});
    return std::nullopt;
}

// Reads the parts that mp3.cfg runs, and those they run in turn, into `sources`; the result is a
// problem when one cannot be read or when a part runs a file of the script again (a cycle).
CheckResult partsResult(const std::string& modFolder, const EngineRules& rules, std::vector<ScriptSource>& sources) {
    std::vector<std::string> unread;
    std::vector<std::string> again;
    std::set<std::string> seen{"mp3.cfg"};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        for (const std::string& name : execedFiles(sources[i].bytes)) {
            if (!seen.insert(fileKey(execFileName(name, rules))).second)
                again.push_back(sources[i].name + " runs " + name);
            else if (const auto reason = readPart(modFolder, name, rules, sources))
                unread.push_back(name + " (" + *reason + ")");
        }
    }
    if (!unread.empty())
        return problem("parts", "the script runs parts that cannot be read: " + joined(unread));
    if (!again.empty())
        return problem("parts", "the parts run in a cycle, so the game runs them again and again: " + joined(again));
    return ok("parts", "the script runs " + std::to_string(sources.size() - 1) + " parts, all in the mod folder");
}

CheckResult volumeResult(const std::vector<ScriptSource>& sources) {
    std::vector<std::string> faults;
    for (const std::string_view alias : {"vol", "gvol"}) {
        std::optional<std::string> step;
        for (const ScriptSource& source : sources)
            if (const auto found = startVolume(source.bytes, alias))
                step = found;
        if (!step)
            faults.push_back("no " + std::string(alias) + "<N> row");
        else if (!isLadderStep(*step))
            faults.push_back(std::string(alias) + *step + " is not a step of the volume keys");
    }
    if (faults.empty())
        return ok("volumes", "both start-up volumes are steps of the volume keys");
    return problem("volumes", "start-up volumes: " + joined(faults));
}

// The first fault of the row's text, or nothing.
std::optional<std::string> rowTextFault(std::string_view row) {
    if (std::ranges::any_of(row, [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return " holds a byte that is not ASCII; the game's console skips or splits at such bytes";
    for (std::size_t open = row.find('"'); open != std::string_view::npos;) {
        const std::size_t close = row.find('"', open + 1);
        const std::size_t length = (close == std::string_view::npos ? row.size() : close) - open - 1;
        if (length >= LongWordBytes)
            return " has a quoted word of " + std::to_string(length) +
                   " bytes; the game's console drops the command of a word of 516 or more";
        open = close == std::string_view::npos ? close : row.find('"', close + 1);
    }
    return std::nullopt;
}

CheckResult textResult(const std::vector<ScriptSource>& sources) {
    for (const ScriptSource& source : sources) {
        std::optional<std::string> fault;
        anyRow(source.bytes, [&](std::size_t number, std::string_view row) {
            if (const auto found = rowTextFault(row))
                fault = "line " + std::to_string(number) + " of " + source.name + *found;
            return fault.has_value();
        });
        if (fault)
            return problem("text", *fault);
    }
    return ok("text", scriptNames(sources) + (sources.size() == 1 ? " is" : " are") +
                          " pure ASCII and no quoted word reaches 516 bytes");
}

// Whether Xash3D-based engines run the file at all, exec'd by the hook row of userconfig.cfg, whose
// LF still waits in the buffer.
bool fitsXash(const ScriptSource& source) {
    return execFitsBuffer(Xash3DRules, 1, source.bytes.size(), source.bytes.ends_with('\n'));
}

CheckResult sizeResult(const std::vector<ScriptSource>& sources, CheckSeverity xashFailure) {
    for (const ScriptSource& source : sources) {
        std::optional<std::string> fault;
        anyRow(source.bytes, [&](std::size_t number, std::string_view row) {
            if (row.size() > MaxCommandLength)
                fault = "line " + std::to_string(number) + " of " + source.name + " is " + std::to_string(row.size()) +
                        " bytes long; the game's console runs lines of at most 1,023 bytes";
            return fault.has_value();
        });
        if (fault)
            return problem("size", *fault);
    }
    const std::string size = std::to_string(sources.front().bytes.size()) + " bytes";
    if (!fitsXash(sources.front()))
        return {"size", xashFailure,
                "mp3.cfg is " + size +
                    ": Half-Life loads it, but Xash3D-based engines drop a script that does not fit their command "
                    "buffer of 32,768 bytes whole"};
    if (sources.size() > 1)
        return ok("size", "mp3.cfg (" + size + ") and its parts have no line over 1,023 bytes");
    return ok("size", "mp3.cfg (" + size + ") fits the command buffers of every engine");
}

// How a jukebox that fails in Xash3D-based engines counts: a single mp3.cfg is made for Half-Life,
// a script in parts, or any script in an Xash3D installation, for those engines.
CheckSeverity xashFailure(const std::vector<ScriptSource>& sources, Engine engine) {
    return sources.size() > 1 || engine == Engine::Xash3D ? CheckSeverity::Problem : CheckSeverity::Warning;
}

std::string xashHint(const std::vector<ScriptSource>& sources) {
    if (sources.size() > 1)
        return {};
    return ". Saved with \"Xash3D-compatible script\" checked in the Tools menu (or save --engine xash3d), it is "
           "written in parts that every engine loads";
}

// The names the script's alias rows define, each once.
std::vector<std::string> scriptAliasNames(const std::vector<ScriptSource>& sources) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const ScriptSource& source : sources)
        anyRow(source.bytes, [&](std::size_t, std::string_view row) {
            if (const CommandTokens tokens = tokenizeCommand(row); tokens.argv.size() >= 2 &&
                                                                   nameKey(tokens.argv[0]) == "alias" &&
                                                                   seen.insert(nameKey(tokens.argv[1])).second)
                names.push_back(tokens.argv[1]);
            return false;
        });
    return names;
}

// Loads the jukebox in a console with Xash3D's rules, as the game does at start.
CheckResult xashLoadResult(const std::string& modFolder, const std::vector<ScriptSource>& sources,
                           CheckSeverity failure) {
    std::vector<std::string> large;
    for (const ScriptSource& source : sources)
        if (!fitsXash(source))
            large.push_back(source.name + " (" + std::to_string(source.bytes.size()) + " bytes)");
    if (!large.empty())
        return {"xash3d load", failure,
                "Xash3D-based engines drop a script file that does not fit their command buffer of 32,768 bytes "
                "whole, so the jukebox does not load there: " +
                    joined(large) + xashHint(sources)};
    SilentOutput output;
    GameConsole console(modFolder, output, Xash3DRules);
    console.run("exec userconfig.cfg");
    if (!console.aliasText("playtrack"))
        console.run("exec mp3.cfg");
    // A part that is not there defines nothing: the jukebox is loaded when playtrack is there.
    std::vector<std::string> missing;
    if (!console.aliasText("playtrack"))
        missing.push_back("playtrack");
    for (const std::string& name : scriptAliasNames(sources))
        if (!console.aliasText(name) && name != "playtrack")
            missing.push_back(name);
    if (missing.empty())
        return ok("xash3d load", "the jukebox loads in Xash3D-based engines: every alias of " + scriptNames(sources) +
                                     " is defined there");
    return {"xash3d load", failure,
            "in Xash3D-based engines these aliases are not defined after loading " + scriptNames(sources) + ": " +
                joined(missing) + xashHint(sources)};
}

// Xash3D's file system splits paths on "/" alone and refuses ".." and ":": such a play or loop path
// is never found.
CheckResult xashPathsResult(const GameConsole& console, CheckSeverity failure) {
    std::vector<std::string> unfound;
    for (int n = 1; console.aliasText("track" + std::to_string(n)); ++n)
        for (const auto& [alias, command] : {std::pair{"track", "mp3 play"}, std::pair{"lptrack", "mp3 loop"}}) {
            const auto text = console.aliasText(alias + std::to_string(n));
            const auto path = text ? argumentOf(*text, command) : std::nullopt;
            if (path && engineFileSystemRefuses(*path))
                unfound.push_back("track " + std::to_string(n) + " (" + *path + ")");
        }
    if (unfound.empty())
        return ok("xash3d paths", "the play and loop paths separate folders with / and hold no .. or :, as "
                                  "Xash3D-based engines need");
    return {"xash3d paths", failure,
            "Xash3D-based engines split paths on / alone and refuse .. and :, so these tracks do not play there: " +
                joined(unfound)};
}

CheckResult engineResult(Engine engine, bool detected) {
    if (engine == Engine::Xash3D)
        return ok("engine", detected ? "judged by Xash3D's console: its program is in the game folder above the mod"
                                     : "judged by Xash3D's console");
    return ok("engine", detected ? "judged by Half-Life's console (GoldSrc): no Xash3D program above the mod folder"
                                 : "judged by Half-Life's console (GoldSrc)");
}

std::vector<CheckResult> checkWith(const std::string& modFolder, Engine engine, bool detected) {
    const EngineRules& rules = engineRules(engine);
    SilentOutput output;
    GameConsole console(modFolder, output, rules);
    console.run("exec userconfig.cfg");
    const bool loaded = console.aliasText("playtrack").has_value();
    const std::string scriptPath = modFolder + "\\mp3.cfg";
    const bool scriptExists = isRegularFile(fsPath(scriptPath));

    std::vector<CheckResult> results{engineResult(engine, detected), hookResult(modFolder, loaded, scriptExists, rules),
                                     controlsResult(modFolder)};
    if (!scriptExists) {
        results.push_back(problem("script", "there is no mp3.cfg in the mod folder"));
        return results;
    }
    if (!isInsideModFolder(modFolder, scriptPath)) {
        results.push_back(problem("script", outsideText("mp3.cfg")));
        return results;
    }
    FileContent script = readBounded(scriptPath);
    if (script.error == std::errc::file_too_large) {
        results.push_back(problem("script", tooLargeText("mp3.cfg")));
        return results;
    }
    if (script.error) {
        results.push_back(problem("script", "mp3.cfg could not be read (" + describeError(script.error) + ")"));
        return results;
    }
    // The rest is about the script itself, so it is loaded directly when the hook did not load it.
    if (!loaded)
        console.run("exec mp3.cfg");
    std::vector<ScriptSource> sources{{"mp3.cfg", std::move(script.bytes)}};
    if (!execedFiles(sources.front().bytes).empty())
        results.push_back(partsResult(modFolder, rules, sources));
    const CheckSeverity xashSeverity = xashFailure(sources, engine);
    addTrackResults(console, modFolder, results);
    results.push_back(chatResult(console));
    results.push_back(volumeResult(sources));
    results.push_back(textResult(sources));
    results.push_back(sizeResult(sources, xashSeverity));
    results.push_back(xashLoadResult(modFolder, sources, xashSeverity));
    results.push_back(xashPathsResult(console, xashSeverity));
    return results;
}

} // namespace

std::vector<CheckResult> checkJukebox(const std::string& modFolder) {
    return checkWith(modFolder, detectEngine(modFolder), true);
}

std::vector<CheckResult> checkJukebox(const std::string& modFolder, Engine engine) {
    return checkWith(modFolder, engine, false);
}

} // namespace jukewright
