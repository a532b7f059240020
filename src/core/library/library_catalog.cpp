#include "core/library/library_catalog.h"

#include <algorithm>
#include <utility>

namespace jukewright {

namespace {

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

LibraryCatalog::LibraryCatalog(LibraryScan::ReaderMaker makeReader, std::function<void()> newsArrived)
    : m_makeReader(std::move(makeReader)), m_newsArrived(std::move(newsArrived)) {}

void LibraryCatalog::open(const std::string& folder) {
    if (!m_opened || folder != m_folder)
        refresh(folder);
}

void LibraryCatalog::refresh(const std::string& folder) {
    m_scan.reset();
    m_opened = true;
    m_folder = folder;
    m_library = {};
    m_counts = {};
    m_tagsUnreadable = false;
    m_problem.reset();
    m_scan = std::make_unique<LibraryScan>(folder, m_makeReader, m_newsArrived);
}

bool LibraryCatalog::takeNews() {
    if (!m_scan)
        return false;
    ScanNews news = m_scan->takeNews();
    for (LibraryTrack& track : news.tracks)
        m_library.add(std::move(track));
    const bool changed = !news.tracks.empty() || news.counts != m_counts || news.finished || news.problem;
    m_counts = news.counts;
    m_tagsUnreadable = news.tagsUnreadable;
    m_problem = std::move(news.problem);
    if (news.finished)
        m_scan.reset();
    return changed;
}

std::vector<std::string> LibraryCatalog::artistRows() const {
    // No "(All artists)" over nothing: until a file is found, and when the folder cannot be read, the
    // list stays empty.
    if (m_library.size() == 0)
        return {};
    std::vector<std::string> rows{AllArtists};
    std::ranges::move(m_library.artists(), std::back_inserter(rows));
    return rows;
}

int LibraryCatalog::selectedArtistRow() const {
    const std::vector<std::string> rows = artistRows();
    if (rows.empty())
        return -1;
    const auto found = std::ranges::find(rows, m_selectedArtist);
    return found == rows.end() ? 0 : static_cast<int>(found - rows.begin());
}

void LibraryCatalog::selectArtist(int row) {
    const std::vector<std::string> rows = artistRows();
    m_selectedArtist =
        row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)] : std::string(AllArtists);
}

// The artist picked while the library lists it, else every artist.
std::string LibraryCatalog::selectedArtist() const {
    return selectedArtistRow() > 0 ? m_selectedArtist : std::string(AllArtists);
}

std::vector<std::string> LibraryCatalog::albumRows() const {
    const std::string artist = selectedArtist();
    std::vector<std::string> rows;
    for (const AlbumRow& album : m_library.albums(artist))
        rows.push_back(albumRowText(album, artist));
    return rows;
}

std::vector<std::string> LibraryCatalog::artistTracks(int artistRow) const {
    const std::vector<std::string> rows = artistRows();
    if (artistRow < 0 || artistRow >= static_cast<int>(rows.size()))
        return {};
    return m_library.tracks(rows[static_cast<std::size_t>(artistRow)]);
}

std::vector<std::string> LibraryCatalog::albumTracks(int albumRow) const {
    const std::vector<AlbumRow> albums = m_library.albums(selectedArtist());
    if (albumRow < 0 || albumRow >= static_cast<int>(albums.size()))
        return {};
    const AlbumRow& album = albums[static_cast<std::size_t>(albumRow)];
    return m_library.tracks(album.artist, album.album);
}

std::string LibraryCatalog::statusLine() const {
    return m_problem ? *m_problem : scanStatusLine(m_counts, scanning(), m_tagsUnreadable);
}

std::string scanStatusLine(const ScanCounts& counts, bool scanning, bool tagsUnreadable) {
    std::string line =
        (scanning ? "Reading the music folder: " : "") + counted(counts.filesRead, "file", "files") + " read";
    if (counts.foldersSkipped > 0)
        line += ", " + counted(counts.foldersSkipped, "folder", "folders") + " could not be read and skipped";
    line += scanning ? "..." : ".";
    if (tagsUnreadable)
        line += " " + std::string(TagsUnreadableText);
    return line;
}

} // namespace jukewright
