#include "core/settings/settings_record.h"

#include "core/settings/settings_records.h"

namespace jukewright::settings {

namespace {

std::string littleEndian(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::uint16_t fromLittleEndian(std::string_view bytes) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                      (static_cast<unsigned char>(bytes[1]) << 8));
}

std::string padded(std::string value) {
    value.resize(RecordLength, '\0');
    return value;
}

} // namespace

std::string integerRecord(std::int16_t value) {
    return padded(littleEndian(static_cast<std::uint16_t>(value)));
}

std::optional<std::string> stringRecord(std::string_view bytes) {
    if (bytes.size() > MaxStringLength || bytes.find('\0') != std::string_view::npos)
        return std::nullopt;
    return padded(littleEndian(static_cast<std::uint16_t>(bytes.size())) + std::string(bytes));
}

std::int16_t readInteger(std::string_view bytes) {
    return bytes.size() < 2 ? std::int16_t{0} : static_cast<std::int16_t>(fromLittleEndian(bytes));
}

std::optional<std::string> readString(std::string_view bytes) {
    if (bytes.size() < 2)
        return std::nullopt;
    const std::size_t length = fromLittleEndian(bytes);
    if (length > MaxStringLength || bytes.size() < 2 + length)
        return std::nullopt;
    std::string text(bytes.substr(2, length));
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return text;
}

bool markerSaysNew(std::string_view bytes) {
    return bytes.size() < 2 || (bytes[0] == '\0' && bytes[1] == '\0');
}

} // namespace jukewright::settings
