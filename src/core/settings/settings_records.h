#pragma once

#include <cstdint>

namespace jukewright::settings {

// settings.jst is a file of 128-byte records addressed by number from 1; every value starts at the
// first byte of its record. Integers are 16-bit little-endian; a string is a 16-bit length and then
// its bytes in the system code page.
inline constexpr int RecordLength = 128;
inline constexpr int MaxStringLength = RecordLength - 2;

inline constexpr int ModFolderCountRecord = 1;
inline constexpr int FirstModFolderRecord = 2;
inline constexpr int LanguageRecord = 12000;
inline constexpr int FreeTrackOfferedRecord = 12001;
inline constexpr int Mp3VolumeRecord = 12005;
inline constexpr int GameVolumeRecord = 12006;
inline constexpr int MarkerRecord = 12007;

// A file that has been through one start-up holds every record up to the marker's.
inline constexpr std::uint64_t FullFileSize = std::uint64_t{MarkerRecord} * RecordLength;

inline constexpr std::int16_t DefaultVolume = 80;

constexpr std::uint64_t recordOffset(int record) {
    return std::uint64_t(record - 1) * RecordLength;
}

} // namespace jukewright::settings
