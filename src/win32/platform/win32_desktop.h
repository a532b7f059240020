#pragma once

#include "core/window/desktop.h"

namespace jukewright::win32 {

// Opens the program's text files: the player's guide in Notepad, maximised, as a reader expects it on
// Windows; every other file with the program the system has for its kind.
class Win32Desktop : public Desktop {
public:
    void openTextFile(const std::string& path, std::function<void()> noProgram) override;
};

} // namespace jukewright::win32
