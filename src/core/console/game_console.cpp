#include "core/console/game_console.h"

#include "core/console/chat_text.h"
#include "core/console/exec_line_reader.h"
#include "core/console/game_file_lookup.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace jukewright {

namespace {

constexpr const char* BufferOverflow = "command buffer overflow";

std::string joinedArguments(const CommandTokens& tokens, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < tokens.argv.size(); ++i) {
        if (i > first)
            text += ' ';
        text += tokens.argv[i];
    }
    return text;
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The text of an exec'd file that goes into the buffer whole: up to its first NUL, or with each
// NUL and the rest of its line dropped, as the rules say.
std::string bufferedText(std::string_view bytes, const EngineRules& rules) {
    if (rules.nulEndsFile)
        return std::string(bytes.substr(0, bytes.find('\0')));
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t nul = std::min(bytes.find('\0', at), bytes.size());
        text.append(bytes.substr(at, nul - at));
        at = nul == bytes.size() ? nul : std::min(bytes.find_first_of("\r\n", nul), bytes.size());
    }
    return text;
}

// The known cvars: what "volume" and "mp3volume" print for a query.
bool isCvarName(std::string_view name) {
    const std::string key = nameKey(name);
    return key == "volume" || key == "mp3volume";
}

} // namespace

GameConsole::GameConsole(std::string modFolder, ConsoleOutput& output, const EngineRules& rules)
    : m_modFolder(std::move(modFolder)), m_output(output), m_rules(rules), m_buffer(m_rules),
      m_aliases(rules.aliasRedefinitionIgnoresCase) {}

void GameConsole::addText(std::string_view text) {
    if (m_rules.dropsTypedLeadingSlash && (text.starts_with('/') || text.starts_with('\\')))
        text.remove_prefix(1);
    if (!m_buffer.append(std::string(text) + "\n"))
        m_output.notice(BufferOverflow);
}

void GameConsole::runFrame() {
    if (++m_frames > MaxFramesPerBurst)
        stopLoop();
    else if (m_framesToWait > 0)
        --m_framesToWait;
    else
        executeBuffer();
    if (m_buffer.empty())
        endBurst();
}

void GameConsole::run(std::string_view text) {
    addText(text);
    while (!idle())
        runFrame();
}

std::optional<std::string> GameConsole::aliasText(std::string_view name) const {
    const Alias* alias = m_aliases.find(name);
    return alias ? std::optional<std::string>(alias->text) : std::nullopt;
}

GameConsole::Handler GameConsole::findCommand(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Handler>, 12> Commands = {{
        {"alias", &GameConsole::aliasCommand},
        {"cmd", &GameConsole::cmdCommand},
        {"cmdlist", &GameConsole::quietCommand},
        {"stuffcmds", &GameConsole::quietCommand},
        {"exec", &GameConsole::execCommand},
        {"wait", &GameConsole::waitCommand},
        {"echo", &GameConsole::echoCommand},
        {"say", &GameConsole::sayCommand},
        {"say_team", &GameConsole::sayTeamCommand},
        {"mp3", &GameConsole::mp3Command},
        {"mp3volume", &GameConsole::mp3VolumeCommand},
        {"volume", &GameConsole::volumeCommand},
    }};
    const std::string key = nameKey(name);
    for (const auto& [commandName, handler] : Commands)
        if (commandName == key)
            return handler;
    return nullptr;
}

void GameConsole::executeBuffer() {
    while (!m_buffer.empty() && !m_stopped) {
        execute(m_buffer.takeCommand());
        if (m_wait) {
            m_wait = false;
            return;
        }
    }
}

// In Half-Life commands come before aliases (an alias named like a command never runs); Xash3D
// looks for an alias first.
void GameConsole::execute(const std::string& command) {
    if (++m_commandsRun > MaxCommandsPerBurst) {
        stopLoop();
        return;
    }
    const CommandTokens tokens = tokenizeCommand(command, m_rules);
    if (tokens.argv.empty())
        return;
    const Alias* alias = m_aliases.find(tokens.argv[0]);
    const Handler handler = findCommand(tokens.argv[0]);
    if (alias && (m_rules.aliasesBeforeCommands || !handler))
        runAlias(*alias);
    else if (handler)
        (this->*handler)(tokens);
    else if (const auto cvar = queriedCvar(tokens.argv[0]))
        queryVolume(*cvar);
    else
        m_output.effect("unknown command: " + tokens.argv[0]);
}

// Half-Life finds a cvar by the name up to the first space of the word: "\"volume 0.5\"" asks for
// the volume.
std::optional<std::string> GameConsole::queriedCvar(const std::string& word) const {
    const std::string name = m_rules.cvarNameEndsAtSpace ? word.substr(0, word.find(' ')) : word;
    if (name != word && isCvarName(name))
        return nameKey(name);
    return std::nullopt;
}

// The alias's text runs before whatever was already waiting; its line end keeps its last command
// apart from the text after it.
void GameConsole::runAlias(const Alias& alias) {
    m_loopNotice = "alias loop stopped: " + alias.name;
    insertFront(alias.text + "\n");
}

void GameConsole::insertFront(const std::string& text) {
    if (!m_buffer.insertFront(text))
        m_output.notice(BufferOverflow);
}

// As the engine does it: before each line, whatever waits in the buffer runs (up to a wait); then
// the line goes to the front of the buffer. The last line runs before the exec command ends.
void GameConsole::runFileLineByLine(std::string_view text) {
    if (m_largeExecDepth >= MaxNestedLargeExecs) {
        stopLoop();
        return;
    }
    ++m_largeExecDepth;
    ExecLineReader lines(text);
    for (std::string_view line = lines.next(); !line.empty() && !m_stopped; line = lines.next()) {
        executeBuffer();
        if (!m_stopped)
            insertFront("\n" + std::string(line) + "\n");
    }
    if (!m_stopped)
        executeBuffer();
    --m_largeExecDepth;
}

void GameConsole::stopLoop() {
    m_output.notice(m_loopNotice);
    m_buffer.clear();
    m_stopped = true;
}

void GameConsole::endBurst() {
    m_commandsRun = 0;
    m_frames = 0;
    m_execs = 0;
    m_framesToWait = 0;
    m_stopped = false;
}

// "alias" alone lists every alias; "alias NAME" alone defines NAME as empty.
void GameConsole::aliasCommand(const CommandTokens& tokens) {
    if (tokens.argv.size() < 2) {
        listAliases();
        return;
    }
    const std::string& name = tokens.argv[1];
    if (name.size() > MaxAliasNameLength) {
        m_output.notice("alias name too long: " + name);
        return;
    }
    std::string text = joinedArguments(tokens, 2);
    if (text.size() > m_rules.maxAliasTextLength)
        text.resize(m_rules.maxAliasTextLength);
    m_aliases.define(name, std::move(text));
}

void GameConsole::listAliases() {
    for (const Alias& alias : m_aliases.all())
        m_output.notice(alias.name + " : " + alias.text);
}

void GameConsole::execCommand(const CommandTokens& tokens) {
    if (tokens.argv.size() != 2) {
        m_output.notice("exec <filename> : execute a script file");
        return;
    }
    const std::string& name = tokens.argv[1];
    m_loopNotice = "exec loop stopped: " + name;
    if (++m_execs > MaxExecsPerBurst) {
        stopLoop();
        return;
    }
    if (const auto path = execPath(name))
        execFile(name, *path);
}

// The file exec opens for the name, or nothing after a notice when the engine refuses the name.
// Xash3D's file system refuses a name silently: the file is simply not found.
std::optional<std::string> GameConsole::execPath(const std::string& name) {
    if (const auto refusal = execRefusal(name, m_rules)) {
        m_output.notice(m_rules.execNames == ExecNames::ConfigExtensionsOnly ? "exec " + name + ": " + *refusal
                                                                             : "couldn't exec " + name);
        return std::nullopt;
    }
    const auto path = gameFilePath(m_modFolder, execFileName(name, m_rules), m_rules.fileLookup);
    if (!path)
        m_output.notice("couldn't exec " + name);
    return path;
}

void GameConsole::execFile(const std::string& name, const std::string& path) {
    // A link out of the mod folder is not the mod's file; the console does not follow it.
    if (!isInsideModFolder(m_modFolder, path)) {
        m_output.notice("couldn't exec " + name + ": the file is outside the mod folder");
        return;
    }
    const FileContent file = readFileBytes(path, MaxConsoleFileBytes);
    if (file.error == std::errc::file_too_large) {
        m_output.notice("couldn't exec " + name + ": the file is larger than 16 MiB");
        return;
    }
    if (file.error) {
        m_output.notice("couldn't exec " + name);
        return;
    }
    std::string_view bytes = file.bytes;
    if (m_rules.skipsByteOrderMark && bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    if (!m_rules.largeFilesLineByLine) {
        if (execFitsBuffer(m_rules, m_buffer.size(), bytes.size(), bytes.ends_with('\n')))
            insertFront(bufferedText(bytes, m_rules) + (bytes.ends_with('\n') ? "" : "\n"));
        else
            m_output.notice(BufferOverflow);
    } else if (m_buffer.size() + bytes.size() + 2 < m_rules.commandBufferSize) {
        insertFront("\n" + bufferedText(bytes, m_rules) + "\n");
    } else {
        runFileLineByLine(bytes);
    }
}

// Xash3D reads the count as atoi does: its leading digits, 0 when there are none. A count below one
// does not wait; a count past the frame bound waits until the bound, so that the rest still runs.
void GameConsole::waitCommand(const CommandTokens& tokens) {
    int frames = 1;
    if (m_rules.waitCounts && tokens.argv.size() >= 2) {
        const std::string& count = tokens.argv[1];
        frames = 0;
        std::from_chars(count.data(), count.data() + count.size(), frames);
    }
    if (frames < 1)
        return;
    m_wait = true;
    m_framesToWait = std::max(0, std::min(frames - 1, MaxFramesPerBurst - m_frames - 1));
}

// The engine prints the words, not the raw text: quotes vanish and "Jukewright: next" shows as
// "Jukewright : next".
void GameConsole::echoCommand(const CommandTokens& tokens) {
    const std::string words = joinedArguments(tokens, 1);
    m_output.effect(words.empty() ? "echo" : "echo " + words);
}

// say and say_team go to the game's server, whose game code runs them.
void GameConsole::sayCommand(const CommandTokens& tokens) {
    forwardToServer(tokens.argv[0] + " " + tokens.args);
}

void GameConsole::sayTeamCommand(const CommandTokens& tokens) {
    forwardToServer(tokens.argv[0] + " " + tokens.args);
}

void GameConsole::cmdCommand(const CommandTokens& tokens) {
    if (!tokens.args.empty())
        forwardToServer(tokens.args);
}

// cmdlist prints its list to the game's console, and stuffcmds runs the command line of the game's
// start, long done: neither has an effect.
void GameConsole::quietCommand(const CommandTokens&) {}

// The server knows the chat commands of the game's code alone, by their exact names.
void GameConsole::forwardToServer(std::string command) {
    if (command.size() > m_rules.maxForwardedCommandLength)
        command.resize(m_rules.maxForwardedCommandLength);
    if (m_rules.forwardedPercentAsDot)
        std::ranges::replace(command, '%', '.');
    const CommandTokens tokens = tokenizeCommand(command, m_rules);
    if (tokens.argv.empty())
        return;
    if (tokens.argv[0] == "say")
        chat("say", ChatChannel::Everyone, tokens);
    else if (tokens.argv[0] == "say_team")
        chat("say_team", ChatChannel::Team, tokens);
    else
        m_output.effect("unknown command: " + tokens.argv[0]);
}

// A chat command without an argument sends nothing.
void GameConsole::chat(std::string_view command, ChatChannel channel, const CommandTokens& tokens) {
    if (tokens.argv.size() < 2)
        return;
    if (const auto text = chatText(tokens.args, channel))
        m_output.effect(std::string(command) + " " + *text);
}

void GameConsole::mp3Command(const CommandTokens& tokens) {
    const std::string action = tokens.argv.size() >= 2 ? nameKey(tokens.argv[1]) : std::string();
    const bool play = action == "play" || action == "loop";
    if (action == "stop" || (play && tokens.argv.size() < 3 && m_rules.mp3WithoutPathStops)) {
        m_output.effect("mp3 stop");
        return;
    }
    if (!play || tokens.argv.size() < 3) {
        m_output.notice("usage: mp3 play|loop PATH, mp3 stop");
        return;
    }
    const std::string& path = tokens.argv[2];
    m_output.effect("mp3 " + action + " " + path);
    if (!isPlayableFile(path))
        m_output.notice("file not found: " + path);
}

// Half-Life's player opens the path as a file name: no wildcards, no folder. Xash3D's looks the
// name up in its file system, with ".mp3" added to a name without an extension, then in "media/".
bool GameConsole::isPlayableFile(const std::string& path) const {
    if (path.empty() || isSeparator(path.back()) || path.find_first_of("*?") != std::string::npos)
        return false;
    if (m_rules.fileLookup == FileLookup::AsGiven)
        return FileExists(m_modFolder + "\\" + path);
    const std::string name = hasExtension(path) ? path : path + ".mp3";
    for (const std::string& tried : {name, "media/" + name})
        if (const auto found = gameFilePath(m_modFolder, tried, m_rules.fileLookup);
            found && isRegularFile(fsPath(*found)))
            return true;
    return false;
}

void GameConsole::mp3VolumeCommand(const CommandTokens& tokens) {
    setVolume("mp3volume", m_mp3Volume, tokens);
}

void GameConsole::volumeCommand(const CommandTokens& tokens) {
    setVolume("volume", m_volume, tokens);
}

// Without a value the engine shows the current one.
void GameConsole::setVolume(std::string_view command, std::string& value, const CommandTokens& tokens) {
    if (tokens.argv.size() < 2) {
        queryVolume(std::string(command));
        return;
    }
    value = tokens.argv[1];
    m_output.effect(std::string(command) + " " + value);
}

void GameConsole::queryVolume(const std::string& cvar) {
    const std::string& value = cvar == "volume" ? m_volume : m_mp3Volume;
    if (!value.empty())
        m_output.notice("\"" + cvar + "\" is \"" + value + "\"");
}

} // namespace jukewright
