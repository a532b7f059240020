#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jukewright::test {

// The bytes of a committed fixture in tests/fixtures.
std::string fixtureBytes(std::string_view name);

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
    // The folder or a file in it as the program's text paths name it: UTF-8, and "/" between the
    // folders on every system (Windows takes either separator), so that a test may add "/name".
    std::string str() const;
    std::string file(std::string_view name) const;

    // Writes a file (creating its folders) and returns its path.
    std::string write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::filesystem::path& path);
// A UTF-8 text path as the system's path, and back.
std::filesystem::path utf8Path(std::string_view text);
std::string utf8Text(const std::filesystem::path& path);
// A UTF-8 text path with the system's own separators.
std::string nativeText(std::string_view text);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);
// Puts a player's file at `at`: a symbolic link to `file` where the system makes links, else (Wine
// makes none) a copy of it, so that either way the program meets a file that is not its own there.
void placePlayersFile(const std::filesystem::path& file, const std::filesystem::path& at);

} // namespace jukewright::test
