#include "core/integration/game_console.h"

#include "core/integration/chat_text.h"
#include "core/integration/exec_line_reader.h"
#include "core/system/file_exists.h"
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

// The engine reads a file as a C string: a NUL byte ends it. A UTF-8 byte-order mark at its start
// is skipped.
std::string_view fileText(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes;
}

} // namespace

GameConsole::GameConsole(std::string modFolder, ConsoleOutput& output, const EngineRules& rules)
    : m_modFolder(std::move(modFolder)), m_output(output), m_rules(rules), m_buffer(m_rules) {}

void GameConsole::addText(std::string_view text) {
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
    static constexpr std::array<std::pair<std::string_view, Handler>, 9> Commands = {{
        {"alias", &GameConsole::aliasCommand},
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
    else
        m_output.effect("unknown command: " + tokens.argv[0]);
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
    const FileContent file = readFileBytes(m_modFolder + "\\" + name);
    if (file.error) {
        m_output.notice("couldn't exec " + name);
        return;
    }
    const std::string_view text = fileText(file.bytes);
    if (!m_rules.largeFilesLineByLine)
        // Xash3D: a file that does not fit is dropped whole.
        insertFront(std::string(text) + "\n");
    else if (m_buffer.size() + text.size() + 2 < m_rules.commandBufferSize)
        insertFront("\n" + std::string(text) + "\n");
    else
        runFileLineByLine(text);
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

void GameConsole::sayCommand(const CommandTokens& tokens) {
    chat("say", ChatChannel::Everyone, tokens);
}

void GameConsole::sayTeamCommand(const CommandTokens& tokens) {
    chat("say_team", ChatChannel::Team, tokens);
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
    if (action == "stop") {
        m_output.effect("mp3 stop");
        return;
    }
    if ((action != "play" && action != "loop") || tokens.argv.size() < 3) {
        m_output.notice("usage: mp3 play|loop PATH, mp3 stop");
        return;
    }
    const std::string& path = tokens.argv[2];
    m_output.effect("mp3 " + action + " " + path);
    if (!isPlayableFile(path))
        m_output.notice("file not found: " + path);
}

// The player opens the path as a file name: no wildcards, no folder.
bool GameConsole::isPlayableFile(const std::string& path) const {
    if (path.empty() || isSeparator(path.back()) || path.find_first_of("*?") != std::string::npos)
        return false;
    // Xash3D's file system knows "/" alone as a separator.
    if (m_rules.slashOnlyPaths && path.find('\\') != std::string::npos)
        return false;
    return FileExists(m_modFolder + "\\" + path);
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
        if (!value.empty())
            m_output.notice("\"" + std::string(command) + "\" is \"" + value + "\"");
        return;
    }
    value = tokens.argv[1];
    m_output.effect(std::string(command) + " " + value);
}

} // namespace jukewright
