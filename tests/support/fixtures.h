#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jukewright::test {

// The bytes of a committed fixture in tests/fixtures.
std::string fixtureBytes(std::string_view name);
std::string fixturePath(std::string_view name);

// The mp3.cfg of the two-track jukebox (Blue Sky, Rain-Dance (Live); volumes 50 and 80) as this
// platform writes it: Windows names the copies "mp3s\NAME", every other system "mp3s/NAME".
std::string twoTrackScript();

// A fresh, empty folder for one test, removed again when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder or a file in it as the program's text paths name it.
    std::string str() const { return m_path.string(); }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    // Writes a file (creating its folders) and returns its path.
    std::string write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace jukewright::test
