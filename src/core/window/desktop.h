#pragma once

#include <functional>
#include <string>

namespace jukewright {

// Opens the program's text files with the system's own handlers. The program asks the system; tests
// record what was asked and answer as they are told.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Opens an existing file with the system's program for its kind. When no program could open it,
    // `noProgram` runs on the window's thread, at once or once the system has said so, and only while
    // the window that asked still lives.
    virtual void openTextFile(const std::string& path, std::function<void()> noProgram) = 0;
};

} // namespace jukewright
