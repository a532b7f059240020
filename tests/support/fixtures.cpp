#include "support/fixtures.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace jukewright::test {

std::string fixturePath(std::string_view name) {
    return (fs::path(JUKEWRIGHT_FIXTURES_DIR) / name).string();
}

std::string fixtureBytes(std::string_view name) {
    return readBytes(fixturePath(name));
}

std::string twoTrackScript() {
#ifdef _WIN32
    return fixtureBytes("two_tracks_mp3.cfg");
#else
    return fixtureBytes("two_tracks_mp3_slash_paths.cfg");
#endif
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

std::string TempFolder::write(std::string_view relative, std::string_view bytes) const {
    const fs::path path = m_path / relative;
    writeBytes(path, bytes);
    return path.string();
}

std::string TempFolder::read(std::string_view relative) const {
    return readBytes(m_path / relative);
}

} // namespace jukewright::test
