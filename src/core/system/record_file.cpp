#include "core/system/record_file.h"

#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

std::string lastErrorText() {
    const int error = errno;
    return error != 0 ? describeError({error, std::generic_category()})
                      : describeError(std::make_error_code(std::errc::io_error));
}

// Checked before opening: a fifo or a device would block the open or read as endless zeros.
bool isUsable(const fs::path& path, bool forWriting, std::string& reason) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (error) {
        reason = describeError(error);
        return false;
    }
    if (!fs::is_regular_file(status)) {
        reason = "not a regular file";
        return false;
    }
    if (forWriting && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        reason = "read-only";
        return false;
    }
    return true;
}

std::unique_ptr<std::fstream> openStream(const fs::path& path, std::ios::openmode mode, std::string& reason) {
    errno = 0;
    auto stream = std::make_unique<std::fstream>(path, mode | std::ios::binary);
    if (!stream->is_open()) {
        reason = lastErrorText();
        return nullptr;
    }
    return stream;
}

} // namespace

std::optional<RecordFile> RecordFile::openForUpdate(std::string_view path, std::string& reason) {
    const fs::path target = fsPath(path);
    if (!isUsable(target, true, reason))
        return std::nullopt;
    std::error_code error;
    if (!fs::exists(target, error)) {
        errno = 0;
        std::ofstream created(target, std::ios::binary | std::ios::app);
        if (!created.is_open()) {
            reason = lastErrorText();
            return std::nullopt;
        }
    }
    auto stream = openStream(target, std::ios::in | std::ios::out, reason);
    if (!stream)
        return std::nullopt;
    return RecordFile(std::move(stream));
}

std::optional<RecordFile> RecordFile::openForReading(std::string_view path, std::string& reason) {
    const fs::path target = fsPath(path);
    if (!isUsable(target, false, reason))
        return std::nullopt;
    auto stream = openStream(target, std::ios::in, reason);
    if (!stream)
        return std::nullopt;
    return RecordFile(std::move(stream));
}

std::string RecordFile::readAt(std::uint64_t offset, std::size_t count, std::string& reason) {
    std::string bytes(count, '\0');
    m_stream->clear();
    errno = 0;
    m_stream->seekg(static_cast<std::streamoff>(offset));
    if (m_stream->fail()) {
        reason = lastErrorText();
        return {};
    }
    m_stream->read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(m_stream->gcount()));
    // A short read at the end of the file sets eof and fail; only bad means the read went wrong.
    if (m_stream->bad())
        reason = lastErrorText();
    m_stream->clear();
    return bytes;
}

bool RecordFile::writeAt(std::uint64_t offset, std::string_view bytes, std::string& reason) {
    m_stream->clear();
    errno = 0;
    m_stream->seekp(static_cast<std::streamoff>(offset));
    if (!m_stream->fail())
        m_stream->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!m_stream->fail())
        m_stream->flush();
    if (m_stream->fail()) {
        reason = lastErrorText();
        m_stream->clear();
        return false;
    }
    return true;
}

} // namespace jukewright
