#pragma once

#include <string>
#include <vector>

namespace jukewright::cli {

// The program's arguments as UTF-8, its own name first. On Windows they are taken from the wide
// command line, since the narrow argv holds them in the ANSI code page and loses every character
// outside it; elsewhere argv already holds the file system's own bytes.
std::vector<std::string> programArguments(int argc, char** argv);

// Standard output and error carry UTF-8 text and the script's exact bytes: on Windows they are put
// in binary mode (no LF is turned into CR LF behind the program's back) and a console shows UTF-8.
void prepareStandardStreams();

} // namespace jukewright::cli
