#include "core/system/file_queries.h"

#include "core/system/file_query_parts.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

using file_query_parts::Admit;

// No error ever leaves the check: a name the system cannot even represent is simply not there.
bool answer(const std::string& path, Admit admit) {
    try {
        return file_query_parts::directoryQuery(path, admit);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool FileExists(std::string path) {
    return answer(path, Admit::FilesOnly);
}

bool FolderExists(std::string path) {
    return answer(path, Admit::FilesAndFolders);
}

namespace {

bool sameNameAnyCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool isExistingFolderText(std::string text) {
    if (text.size() > 1 && isSeparator(text.back()))
        text.pop_back();
    const bool pattern = text.find_first_of("*?") != std::string::npos;
    return !pattern && FolderExists(text) && isFolder(nativePath(text));
}

bool isFolder(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(utf8Path(path), error);
}

bool isFile(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(utf8Path(path), error);
}

std::string canonicalPath(std::string_view path) {
    std::error_code error;
    if (path.empty())
        return {};
    const fs::path canonical = fs::canonical(utf8Path(path), error);
    return error ? std::string() : pathUtf8(canonical);
}

std::string entryAnyCase(std::string_view folder, std::string_view name) {
    std::error_code error;
    const fs::path exact = utf8Path(folder) / utf8Path(name);
    if (fs::exists(exact, error))
        return pathUtf8(exact);
    for (fs::directory_iterator it(utf8Path(folder), error), end; !error && it != end; it.increment(error))
        if (sameNameAnyCase(pathUtf8(it->path().filename()), name))
            return pathUtf8(it->path());
    return {};
}

std::vector<std::string> subfolderNames(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(utf8Path(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(pathUtf8(it->path().filename()));
    }
    std::ranges::sort(names);
    return names;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    return pathUtf8(utf8Path(folder) / utf8Path(name));
}

std::optional<FileIdentity> regularFileIdentity(const fs::path& path, bool followLinks) {
    const auto facts = regularFileFacts(path, followLinks);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

std::optional<FileStamp> regularFileStamp(const fs::path& path, bool followLinks) {
    const auto facts = regularFileFacts(path, followLinks);
    return facts ? std::optional(facts->stamp) : std::nullopt;
}

} // namespace jukewright
