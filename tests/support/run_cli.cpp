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
    return utf8Path(utf8).wstring();
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

int run(const std::vector<std::string>& arguments, const std::string& workingFolder,
        const std::vector<std::string>& variables, const TempFolder& streams) {
    std::wstring commandLine = quotedArgument(wide(JUKEWRIGHT_CLI));
    for (const auto& argument : arguments)
        commandLine += L" " + quotedArgument(wide(argument));
    std::wstring block = environmentBlock(variables);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritedFile(streams.file("in"), false);
    startup.hStdOutput = inheritedFile(streams.file("out"), true);
    startup.hStdError = inheritedFile(streams.file("err"), true);
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT, block.data(),
                       wide(workingFolder).c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status); // leaves the status as it is when it fails
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    return static_cast<int>(status);
}

#else

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int run(const std::vector<std::string>& arguments, const std::string& workingFolder,
        const std::vector<std::string>& variables, const TempFolder& streams) {
    std::string command = "cd " + shellQuoted(workingFolder) + " && env";
    for (const auto& variable : variables)
        command += " " + shellQuoted(variable);
    command += " " + shellQuoted(JUKEWRIGHT_CLI);
    for (const auto& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " <" + shellQuoted(streams.file("in")) + " >" + shellQuoted(streams.file("out")) + " 2>" +
               shellQuoted(streams.file("err"));
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

#endif

} // namespace

CliResult runCli(const std::vector<std::string>& arguments, const std::string& workingFolder, const std::string& input,
                 const std::vector<std::string>& environment) {
    TempFolder streams;
    streams.write("in", input);
    // A home folder of its own, unless the test gives one: a mod name must never reach the Steam
    // installation of the machine running the tests.
    std::vector<std::string> variables{"HOME=" + streams.str()};
    variables.insert(variables.end(), environment.begin(), environment.end());
    const int status = run(arguments, workingFolder, variables, streams);
    return {status, streams.read("out"), streams.read("err")};
}

} // namespace jukewright::test

#endif
