#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace jukewright::cli {

// Registers `library`; the returned function runs it after parsing and gives the exit status.
std::function<int()> addLibraryCommand(CLI::App& app);

} // namespace jukewright::cli
