#pragma once

#include <string>
#include <vector>

namespace jukewright {

// A file or folder that could not be written, with the reason in the person's words.
struct FileFailure {
    std::string path;
    std::string reason;

    bool operator==(const FileFailure&) const = default;
};

using FileFailures = std::vector<FileFailure>;

} // namespace jukewright
