#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace jukewright::cli {

// Registers `check`; the returned function runs it after parsing and gives the exit status.
std::function<int()> addCheckCommand(CLI::App& app);

} // namespace jukewright::cli
