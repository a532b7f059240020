#include "cli/program_arguments.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace jukewright::cli {

#ifdef _WIN32

namespace {

std::string utf8From(const wchar_t* wide) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1)
        return {};
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
    text.pop_back(); // the final null character
    return text;
}

// Frees the array CommandLineToArgvW allocated.
struct LocalArray {
    wchar_t** items;
    ~LocalArray() { LocalFree(items); }
};

} // namespace

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    const LocalArray wide{CommandLineToArgvW(GetCommandLineW(), &count)};
    if (!wide.items)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        arguments.push_back(utf8From(wide.items[i]));
    return arguments;
}

void prepareStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

#else

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void prepareStandardStreams() {}

#endif

} // namespace jukewright::cli
