#include "core/system/file_ops.h"

#include "core/system/native_path.h"

#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace jukewright {

namespace {

fs::path temporaryBeside(const fs::path& target) {
    std::random_device random;
    const auto tag = std::to_string(random()) + std::to_string(random());
    fs::path temporary = target;
    temporary += ".jukewright-" + tag + ".tmp";
    return temporary;
}

#ifndef _WIN32
std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code writeNewFile(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    std::error_code error;
    std::size_t written = 0;
    while (written < bytes.size() && !error) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR)
            error = lastError();
        else if (n > 0)
            written += static_cast<std::size_t>(n);
    }
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
    return error;
}
#else
std::error_code writeNewFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? std::error_code{} : std::make_error_code(std::errc::io_error);
}
#endif

} // namespace

std::error_code createFolder(std::string_view path) {
    std::error_code error;
    const fs::path folder = fsPath(path);
    if (fs::create_directory(folder, error) || error)
        return error;
    // Not created and no error: something is there already, which is fine only if it is a folder.
    return fs::is_directory(folder, error) ? std::error_code{} : std::make_error_code(std::errc::file_exists);
}

std::error_code copyFileReplacing(std::string_view source, std::string_view target) {
    std::error_code error;
    fs::copy_file(sourceFsPath(source), fsPath(target), fs::copy_options::overwrite_existing, error);
    return error;
}

std::error_code replaceFileAtomically(std::string_view path, std::string_view bytes) {
    const fs::path target = fsPath(path);
    const fs::path temporary = temporaryBeside(target);
    std::error_code error = writeNewFile(temporary, bytes);
    if (!error) {
        std::error_code ignored;
        // A rewritten file keeps the permissions the person gave it.
        const auto old = fs::status(target, ignored);
        if (fs::is_regular_file(old))
            fs::permissions(temporary, old.permissions(), ignored);
        fs::rename(temporary, target, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

std::string describeError(const std::error_code& error) {
    std::string text = error.message();
    return text.empty() ? std::string("unknown error") : text;
}

} // namespace jukewright
