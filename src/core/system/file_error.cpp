#include "core/system/file_error.h"

namespace jukewright {

namespace {

class FileErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "jukewright-file"; }
    std::string message(int code) const override {
        switch (static_cast<FileError>(code)) {
        case FileError::NotRegularFile:
            return "not a regular file";
        case FileError::ReadOnly:
            return "read-only";
        case FileError::NotFolder:
            return "not a folder";
        }
        return "unknown error";
    }
};

} // namespace

const std::error_category& fileErrorCategory() {
    static const FileErrorCategory category;
    return category;
}

std::error_code make_error_code(FileError error) {
    return {static_cast<int>(error), fileErrorCategory()};
}

std::string describeError(const std::error_code& error) {
    std::string text = error.message();
    return text.empty() ? std::string("unknown error") : text;
}

} // namespace jukewright
