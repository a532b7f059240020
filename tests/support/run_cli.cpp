// Only the command-line suites know where the built program is.
#ifdef JUKEWRIGHT_CLI

#include "support/run_cli.h"

#include "support/fixtures.h"

#ifdef _WIN32
#include <cwchar>
#include <windows.h>
#else
#include <cstdlib>
#include <sys/wait.h>
#endif

namespace jukewright::test {

namespace {

#ifdef _WIN32

std::wstring wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

// One argument quoted so that the program's CommandLineToArgvW gives it back unchanged.
std::wstring quotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted.push_back(c);
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

// This process's environment with the given variables set, as CreateProcessW takes it.
std::wstring environmentBlock(const std::vector<std::string>& variables) {
    std::vector<std::wstring> entries;
    const wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += std::wcslen(entry) + 1)
        entries.emplace_back(entry);
    FreeEnvironmentStringsW(const_cast<wchar_t*>(strings));
    for (const std::string& variable : variables) {
        const std::wstring entry = wide(variable);
        const std::wstring name = entry.substr(0, entry.find(L'=') + 1);
        std::erase_if(entries,
                      [&name](const std::wstring& e) { return _wcsnicmp(e.c_str(), name.c_str(), name.size()) == 0; });
        entries.push_back(entry);
    }
    std::wstring block;
    for (const std::wstring& entry : entries)
        block.append(entry).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

// A file handle the started program inherits as one of its standard streams.
HANDLE inheritedFile(const std::string& path, bool forWriting) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(wide(path).c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &inherit,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

#else

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

#endif

} // namespace

#ifdef _WIN32

CliResult runCli(const std::vector<std::string>& arguments, const std::string& workingFolder, const std::string& input,
                 const std::vector<std::string>& environment) {
    TempFolder streams;
    const std::string in = streams.write("in", input);
    // A home folder of its own, unless the test gives one (see below for POSIX).
    std::vector<std::string> variables{"HOME=" + streams.str()};
    variables.insert(variables.end(), environment.begin(), environment.end());
    std::wstring commandLine = quotedArgument(wide(JUKEWRIGHT_CLI));
    for (const auto& argument : arguments)
        commandLine += L" " + quotedArgument(wide(argument));
    std::wstring block = environmentBlock(variables);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritedFile(in, false);
    startup.hStdOutput = inheritedFile(streams.file("out"), true);
    startup.hStdError = inheritedFile(streams.file("err"), true);
    PROCESS_INFORMATION process{};
    CliResult result;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT, block.data(),
                       wide(workingFolder).c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        if (GetExitCodeProcess(process.hProcess, &status))
            result.status = static_cast<int>(status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    result.out = streams.read("out");
    result.err = streams.read("err");
    return result;
}

#else

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

#endif

} // namespace jukewright::test

#endif
