#include "support/fixtures.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace jukewright::test {

std::string fixtureBytes(std::string_view name) {
    return readBytes(fs::path(JUKEWRIGHT_FIXTURES_DIR) / name);
}

std::string twoTrackScript() {
    return fixtureBytes(fs::path::preferred_separator == '\\' ? "two_tracks_mp3.cfg"
                                                              : "two_tracks_mp3_slash_paths.cfg");
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

TempFolder::TempFolder() {
    std::random_device random;
    m_path = fs::temp_directory_path() / ("jukewright-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

fs::path utf8Path(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

static std::string utf8Text(const fs::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

std::string nativeText(std::string_view text) {
    const std::u8string native = utf8Path(text).make_preferred().u8string();
    return std::string(native.begin(), native.end());
}

std::string TempFolder::str() const {
    return utf8Text(m_path);
}

std::string TempFolder::file(std::string_view name) const {
    return utf8Text(m_path / utf8Path(name));
}

std::string TempFolder::write(std::string_view relative, std::string_view bytes) const {
    const fs::path path = m_path / utf8Path(relative);
    writeBytes(path, bytes);
    return utf8Text(path);
}

std::string TempFolder::read(std::string_view relative) const {
    return readBytes(m_path / utf8Path(relative));
}

void placePlayersFile(const fs::path& file, const fs::path& at) {
    std::error_code error;
    if (fs::create_symlink(file, at, error); error)
        fs::copy_file(file, at);
}

} // namespace jukewright::test
