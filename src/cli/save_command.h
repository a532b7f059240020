#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace jukewright::cli {

// Registers `save`; the returned function runs it after parsing and gives the exit status.
std::function<int()> addSaveCommand(CLI::App& app);

} // namespace jukewright::cli
