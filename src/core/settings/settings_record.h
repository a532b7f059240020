#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jukewright::settings {

// The 128 bytes of a record that holds an integer (the value, then zero filler).
std::string integerRecord(std::int16_t value);
// The record of a stored folder, or nothing when its bytes do not fit a record or hold a NUL byte
// (which no reader could give back).
std::optional<std::string> stringRecord(std::string_view bytes);

// An integer from the bytes read at its record: 0 unless both of its bytes are there.
std::int16_t readInteger(std::string_view bytes);
// The folder bytes from the bytes read at its record, or nothing when the record is damaged: no
// length, a length over the record's room, text cut off by the end of the file, or a NUL byte.
std::optional<std::string> readString(std::string_view bytes);
// The initialisation marker is read as a tagged value: the file is new exactly when the first two
// bytes of its record are missing or both zero. Anything else counts as initialised.
bool markerSaysNew(std::string_view bytes);

} // namespace jukewright::settings
