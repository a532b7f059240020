#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace jukewright::test {

// The text frames of an ID3v2.3 tag; an empty text leaves its frame out.
struct Id3Text {
    std::string artist;      // TPE1
    std::string albumArtist; // TPE2
    std::string album;       // TALB
    std::string track;       // TRCK, "3" or "3/12"
    std::string disc;        // TPOS
    std::string title;       // TIT2
};

namespace detail {

inline void appendBigEndian(std::string& bytes, std::uint32_t value, int width, int bitsPerByte) {
    for (int i = width - 1; i >= 0; --i)
        bytes += static_cast<char>((value >> (i * bitsPerByte)) & ((1u << bitsPerByte) - 1));
}

// ID3v2.3 has no UTF-8: ASCII goes as Latin-1, the rest as UTF-16 with a byte-order mark.
inline std::string encodedText(std::string_view utf8) {
    bool ascii = true;
    for (char c : utf8)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return '\0' + std::string(utf8);
    std::string bytes = "\x01\xff\xfe";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        std::uint32_t code = lead & (0x7f >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
        i += lead < 0x80 ? 1 : length;
        if (lead < 0x80)
            code = lead;
        auto unit = [&](std::uint32_t u) { bytes += static_cast<char>(u & 0xff), bytes += static_cast<char>(u >> 8); };
        if (code >= 0x10000) {
            unit(0xd800 + ((code - 0x10000) >> 10));
            unit(0xdc00 + ((code - 0x10000) & 0x3ff));
        } else {
            unit(code);
        }
    }
    return bytes;
}

inline void appendFrame(std::string& frames, const char* id, std::string_view text) {
    if (text.empty())
        return;
    const std::string body = encodedText(text);
    frames += id;
    appendBigEndian(frames, static_cast<std::uint32_t>(body.size()), 4, 8);
    frames += std::string(2, '\0');
    frames += body;
}

} // namespace detail

// An MP3 file of about `size` bytes: an ID3v2.3 tag with the given texts, then silent MPEG-1 layer
// III frames (128 kbit/s, 44.1 kHz).
inline std::string taggedMp3(const Id3Text& text, std::size_t size = 4096) {
    std::string frames;
    detail::appendFrame(frames, "TPE1", text.artist);
    detail::appendFrame(frames, "TPE2", text.albumArtist);
    detail::appendFrame(frames, "TALB", text.album);
    detail::appendFrame(frames, "TRCK", text.track);
    detail::appendFrame(frames, "TPOS", text.disc);
    detail::appendFrame(frames, "TIT2", text.title);
    std::string bytes = "ID3\x03";
    bytes += std::string(2, '\0');
    detail::appendBigEndian(bytes, static_cast<std::uint32_t>(frames.size()), 4, 7);
    bytes += frames;
    constexpr std::size_t FrameBytes = 417;
    do {
        bytes += "\xff\xfb\x90\x00";
        bytes += std::string(FrameBytes - 4, '\0');
    } while (bytes.size() < size);
    return bytes;
}

} // namespace jukewright::test
