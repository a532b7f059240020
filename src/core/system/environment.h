#pragma once

#include <string>

namespace jukewright {

// The person's home folder as the environment gives it (HOME; on Windows USERPROFILE when HOME is
// unset), or empty.
std::string homeFolder();

} // namespace jukewright
