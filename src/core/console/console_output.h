#pragma once

#include <string>

namespace jukewright {

// Where the game console reports. The command line prints, tests record.
class ConsoleOutput {
public:
    virtual ~ConsoleOutput() = default;
    // Something the game does that the jukebox relies on: "mp3 play mp3s\a.mp3", "volume 0.80",
    // "say listening to a.mp3 with Jukewright", "unknown command: bind", ...
    virtual void effect(const std::string& line) = 0;
    // What the console prints when something went wrong: "couldn't exec mp3.cfg", ...
    virtual void notice(const std::string& line) = 0;
};

} // namespace jukewright
