#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jukewright::test {

// The bytes of a committed fixture in tests/fixtures.
std::string fixtureBytes(std::string_view name);

// The two-track jukebox's mp3.cfg with this platform's separator in "mp3s/NAME".
std::string twoTrackScript();

// A fresh, empty folder for one test, removed again when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // UTF-8 with "/" between folders on every system, so that a test may add "/name".
    std::string str() const;
    std::string file(std::string_view name) const;

    // Creates the file's folders too; returns its path.
    std::string write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::filesystem::path& path);
std::filesystem::path utf8Path(std::string_view text);
// A UTF-8 text path with the system's own separators.
std::string nativeText(std::string_view text);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);
// A link to `file` at `at`, or a copy where the system makes no links (Wine): a file not the program's.
void placePlayersFile(const std::filesystem::path& file, const std::filesystem::path& at);

} // namespace jukewright::test
