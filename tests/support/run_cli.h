#pragma once

#include <string>
#include <vector>

namespace jukewright::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built jukewright-cli with the arguments in a working folder, feeding `input` to its
// standard input and setting the environment variables ("NAME=value"), and collects both output
// streams and the exit status. HOME is a temporary folder without Steam unless the environment sets it.
CliResult runCli(const std::vector<std::string>& arguments, const std::string& workingFolder,
                 const std::string& input = {}, const std::vector<std::string>& environment = {});

} // namespace jukewright::test
