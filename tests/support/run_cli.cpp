// Only the command-line suites know where the built program is.
#ifdef JUKEWRIGHT_CLI

#include "support/run_cli.h"

#include "support/fixtures.h"

#include <cstdlib>
#include <sys/wait.h>

namespace jukewright::test {

namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

CliResult runCli(const std::vector<std::string>& arguments, const std::string& workingFolder, const std::string& input,
                 const std::vector<std::string>& environment) {
    TempFolder streams;
    const std::string in = streams.write("in", input);
    // A home folder of its own, unless the test gives one: a mod name must never reach the Steam
    // installation of the machine running the tests.
    std::string command = "cd " + shellQuoted(workingFolder) + " && env " + shellQuoted("HOME=" + streams.str());
    for (const auto& variable : environment)
        command += " " + shellQuoted(variable);
    command += " " + shellQuoted(JUKEWRIGHT_CLI);
    for (const auto& argument : arguments)
        command += " " + shellQuoted(argument);
    command +=
        " <" + shellQuoted(in) + " >" + shellQuoted(streams.file("out")) + " 2>" + shellQuoted(streams.file("err"));
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = streams.read("out");
    result.err = streams.read("err");
    return result;
}

} // namespace jukewright::test

#endif
