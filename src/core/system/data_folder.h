#pragma once

#include <string>

namespace jukewright {

// The folder of the running program's executable, without a trailing separator.
std::string executableFolder();

// The folder of the files installed beside the program: the executable's own folder when it holds
// "kb_act", else "<executable's folder>/../share/jukewright".
std::string findDataFolder(const std::string& executableFolder);

} // namespace jukewright
