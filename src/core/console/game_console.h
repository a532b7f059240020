#pragma once

#include "core/console/alias_table.h"
#include "core/console/chat_text.h"
#include "core/console/command_buffer.h"
#include "core/console/console_output.h"
#include "core/console/console_tokenizer.h"
#include "core/console/engine_rules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// Bounds that stop a loop of aliases (or of files that exec themselves) instead of hanging. A burst
// is the work from the moment text waits in the buffer until the buffer is empty again; loading a
// script of 9999 tracks runs about 120,000 commands in one frame.
inline constexpr int MaxCommandsPerBurst = 500000;
inline constexpr int MaxFramesPerBurst = 10000;
// The game's own start runs a handful of files; a burst that runs a thousand is a loop.
inline constexpr int MaxExecsPerBurst = 1000;
// A file too large for the buffer runs line by line inside the exec command; this bounds the
// nesting of such files. A jukebox in parts nests one part in the one before it: 9999 tracks make
// about 500 parts.
inline constexpr int MaxNestedLargeExecs = 640;

// The game's developer console, as far as the jukebox script relies on it: aliases, exec, wait,
// chat (and cmd, which forwards to the game's server), echo, the mp3 player and the two volumes,
// with the engine's buffer, line and token limits. Files larger than MaxConsoleFileBytes and files
// outside the mod folder are not run.
class GameConsole {
public:
    // `modFolder` is the folder that exec and mp3 paths are relative to; `rules` are those of the
    // engine whose console this is.
    GameConsole(std::string modFolder, ConsoleOutput& output, const EngineRules& rules = GoldSrcRules);

    // Adds a line to the end of the command buffer, as typed into the console.
    void addText(std::string_view text);
    // One frame of the game: runs commands until the buffer is empty or a wait ends the frame.
    void runFrame();
    // Adds the line and runs frame after frame until nothing waits in the buffer.
    void run(std::string_view text);
    bool idle() const { return m_buffer.empty(); }

    // What an alias runs, or nothing when no alias has that name.
    std::optional<std::string> aliasText(std::string_view name) const;
    // Every alias in the order of first definition.
    const std::vector<Alias>& aliases() const { return m_aliases.all(); }

private:
    using Handler = void (GameConsole::*)(const CommandTokens&);
    static Handler findCommand(std::string_view name);

    void executeBuffer();
    void execute(const std::string& command);
    void runAlias(const Alias& alias);
    void runFileLineByLine(std::string_view text);
    void insertFront(const std::string& text);
    void stopLoop();
    void endBurst();

    void aliasCommand(const CommandTokens& tokens);
    void execCommand(const CommandTokens& tokens);
    std::optional<std::string> execPath(const std::string& name);
    void execFile(const std::string& name, const std::string& path);
    void cmdCommand(const CommandTokens& tokens);
    void quietCommand(const CommandTokens& tokens);
    void waitCommand(const CommandTokens& tokens);
    void echoCommand(const CommandTokens& tokens);
    void sayCommand(const CommandTokens& tokens);
    void sayTeamCommand(const CommandTokens& tokens);
    void mp3Command(const CommandTokens& tokens);
    void mp3VolumeCommand(const CommandTokens& tokens);
    void volumeCommand(const CommandTokens& tokens);

    void listAliases();
    void forwardToServer(std::string command);
    void chat(std::string_view command, ChatChannel channel, const CommandTokens& tokens);
    void setVolume(std::string_view command, std::string& value, const CommandTokens& tokens);
    void queryVolume(const std::string& cvar);
    std::optional<std::string> queriedCvar(const std::string& word) const;
    bool isPlayableFile(const std::string& path) const;

    std::string m_modFolder;
    ConsoleOutput& m_output;
    EngineRules m_rules;
    CommandBuffer m_buffer;
    AliasTable m_aliases;
    std::string m_mp3Volume;
    std::string m_volume;

    bool m_wait = false;
    // Frames the buffer still waits after the one a wait ended.
    int m_framesToWait = 0;
    bool m_stopped = false;
    int m_commandsRun = 0;
    int m_frames = 0;
    int m_execs = 0;
    int m_largeExecDepth = 0;
    // What the loop notice names when a bound is reached: the alias or file that ran last.
    std::string m_loopNotice;
};

} // namespace jukewright
