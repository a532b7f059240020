#pragma once

#include "core/library/library_scan.h"
#include "core/library/media_library.h"

#include <memory>
#include <string>
#include <vector>

namespace jukewright {

inline constexpr const char* TagsUnreadableText =
    "Tags could not be read on this system: artists and albums are named after their folders.";

// The status line of a scan: the files read and the folders skipped so far, and whether tags could be
// read at all.
std::string scanStatusLine(const ScanCounts& counts, bool scanning, bool tagsUnreadable);

// What the media library window shows and does, whatever its toolkit: the library of the music
// folder, filled as the scan goes, the artist the person picked, and the status line. It lives as long
// as the main window, so that opening the library again shows it without a new scan.
class LibraryCatalog {
public:
    LibraryCatalog(LibraryScan::ReaderMaker makeReader, std::function<void()> newsArrived);

    // Scans the folder unless it is the one scanned already (or being scanned).
    void open(const std::string& folder);
    // Scans the folder again from the start.
    void refresh(const std::string& folder);
    // Moves the scan's news into the library; true when the lists may have changed.
    bool takeNews();

    // "(All artists)", then every artist; none while the library is empty.
    std::vector<std::string> artistRows() const;
    int selectedArtistRow() const; // -1 while the library is empty
    void selectArtist(int row);
    // The albums of the artist picked; under "(All artists)" each names its artist too.
    std::vector<std::string> albumRows() const;

    // The tracks a double click or Enter adds: all of an artist's, or an album's in order.
    std::vector<std::string> artistTracks(int artistRow) const;
    std::vector<std::string> albumTracks(int albumRow) const;

    std::string statusLine() const;
    bool scanning() const { return m_scan != nullptr; }
    const MediaLibrary& library() const { return m_library; }

private:
    std::string selectedArtist() const;

    LibraryScan::ReaderMaker m_makeReader;
    std::function<void()> m_newsArrived;
    std::string m_folder;
    bool m_opened = false;
    MediaLibrary m_library;
    std::string m_selectedArtist = AllArtists;
    ScanCounts m_counts;
    bool m_tagsUnreadable = false;
    std::optional<std::string> m_problem;
    std::unique_ptr<LibraryScan> m_scan;
};

} // namespace jukewright
