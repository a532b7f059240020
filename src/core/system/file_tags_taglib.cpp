#include "core/system/file_tags.h"

#include <taglib/mpegfile.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tpropertymap.h>

namespace jukewright {

namespace {

// TagLib tells about damaged files on standard error; a scan of a whole music folder would fill the
// command line's output with it, and a damaged file is simply read as untagged.
class SilentDebugListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

std::string firstValue(const TagLib::PropertyMap& properties, const char* key) {
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return {};
    return found->second.front().stripWhiteSpace().to8Bit(true);
}

class TagLibReader : public TagReader {
public:
    TrackTags read(const std::string& path) override {
        // Tags alone: the audio's length and bit rate would cost a read of the frames.
        TagLib::MPEG::File file(path.c_str(), false);
        if (!file.isValid())
            return {};
        const TagLib::PropertyMap properties = file.properties();
        TrackTags tags;
        tags.artist = firstValue(properties, "ALBUMARTIST");
        if (tags.artist.empty())
            tags.artist = firstValue(properties, "ARTIST");
        tags.album = firstValue(properties, "ALBUM");
        tags.track = leadingNumber(firstValue(properties, "TRACKNUMBER"));
        tags.disc = leadingNumber(firstValue(properties, "DISCNUMBER"));
        return tags;
    }

    bool works() const override { return true; }
};

} // namespace

std::unique_ptr<TagReader> makeTagReader() {
    static SilentDebugListener silent;
    TagLib::setDebugListener(&silent);
    return std::make_unique<TagLibReader>();
}

} // namespace jukewright
