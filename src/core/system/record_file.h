#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// A file read and written at byte offsets, in place: writing past the end extends it (the gap reads
// as zero bytes) and nothing ever truncates it. Open only for the span of one operation.
class RecordFile {
public:
    // Opens an existing regular file for reading and writing, or creates an empty one. A file whose
    // owner-write bit is clear is not opened: the person made it read-only, and that holds for root
    // too. On failure `reason` says why in the person's words.
    static std::optional<RecordFile> openForUpdate(std::string_view path, std::string& reason);
    static std::optional<RecordFile> openForReading(std::string_view path, std::string& reason);

    // Up to `count` bytes from the offset: fewer at the end of the file. On a read error `reason` is
    // set and the bytes read so far are returned.
    std::string readAt(std::uint64_t offset, std::size_t count, std::string& reason);
    // Writes the bytes at the offset and flushes them; false with a reason when that failed.
    bool writeAt(std::uint64_t offset, std::string_view bytes, std::string& reason);

private:
    explicit RecordFile(std::unique_ptr<std::fstream> stream) : m_stream(std::move(stream)) {}

    std::unique_ptr<std::fstream> m_stream;
};

} // namespace jukewright
