#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace jukewright::cli {

// Registers `mods`; the returned function runs it after parsing and gives the exit status.
std::function<int()> addModsCommand(CLI::App& app);

} // namespace jukewright::cli
