#include "core/system/folder_queries.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

fs::path toPath(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string toText(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool sameNameAnyCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool isFolder(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(toPath(path), error);
}

bool isFile(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(toPath(path), error);
}

std::string canonicalPath(std::string_view path) {
    std::error_code error;
    if (path.empty())
        return {};
    const fs::path canonical = fs::canonical(toPath(path), error);
    return error ? std::string() : toText(canonical);
}

std::string entryAnyCase(std::string_view folder, std::string_view name) {
    std::error_code error;
    const fs::path exact = toPath(folder) / toPath(name);
    if (fs::exists(exact, error))
        return toText(exact);
    for (fs::directory_iterator it(toPath(folder), error), end; !error && it != end; it.increment(error))
        if (sameNameAnyCase(toText(it->path().filename()), name))
            return toText(it->path());
    return {};
}

std::vector<std::string> subfolderNames(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(toPath(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(toText(it->path().filename()));
    }
    std::ranges::sort(names);
    return names;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    return toText(toPath(folder) / toPath(name));
}

} // namespace jukewright
