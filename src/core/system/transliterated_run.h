#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// One run of non-ASCII characters (complete UTF-8 sequences) in Latin letters and ASCII punctuation
// where a form exists. Each platform has its own: ICU where it is installed, the system's Unicode
// tables on Windows. Called by one thread at a time.
std::string transliteratedRun(std::string_view utf8Run);

} // namespace jukewright
