#pragma once

#include "core/system/file_io.h"
#include "core/system/file_queries.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// An entry of a folder by its name (UTF-8). For a regular file (never through a link) whose name was
// asked about, its stamp, and where the listing tells it cheaply its identity.
struct FolderEntry {
    std::string name;
    std::optional<FileStamp> stamp;
    std::optional<FileIdentity> identity;
};

// The entries of a folder (a link to a folder is followed), looking closer at those whose name
// `inspect` accepts; none when there is no such folder, and nothing at all when it is there but
// cannot be read. One pass over the folder, without a path lookup per entry, so that a folder of
// thousands of copies is read quickly.
std::optional<std::vector<FolderEntry>> folderEntries(const std::filesystem::path& folder,
                                                      const std::function<bool(std::string_view)>& inspect);

} // namespace jukewright
