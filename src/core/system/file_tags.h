#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace jukewright {

// What a file's tags say; an empty text or a number of 0 is a tag the file does not have.
struct TrackTags {
    std::string artist; // the album artist, else the first track artist
    std::string album;
    int disc = 0;
    int track = 0;

    bool operator==(const TrackTags&) const = default;
};

// Reads the tags of music files. A file without tags, a damaged file and a file that is no MP3 at
// all give empty tags: a scan never stops at one file.
class TagReader {
public:
    virtual ~TagReader() = default;
    virtual TrackTags read(const std::string& path) = 0;
    // False once the system has shown that it cannot read tags at all (Wine has no property store):
    // the files are then named after their folders alone.
    virtual bool works() const = 0;
};

// The system's tag reader: TagLib on Linux, the property system on Windows. Made, used and dropped
// on one thread (on Windows it joins that thread to COM).
std::unique_ptr<TagReader> makeTagReader();

// The number a track or disc tag starts with ("3/12" is 3, " 07" is 7), or 0.
int leadingNumber(std::string_view text);

} // namespace jukewright
