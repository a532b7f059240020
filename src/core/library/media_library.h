#pragma once

#include "core/system/file_tags.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

inline constexpr const char* UnknownArtist = "Unknown artist";
inline constexpr const char* UnknownAlbum = "Unknown album";
inline constexpr const char* AllArtists = "(All artists)";

// One MP3 file of the music folder, with the artist and album it is listed under.
struct LibraryTrack {
    std::string path;
    std::string artist;
    std::string album;
    int disc = 0;
    int track = 0;
};

// The artist and album a file is listed under: its tags, and where one is missing, the folder it lies in
// when it lies exactly at <music folder>/Artist/Album/, as many players keep their music; otherwise
// "Unknown artist" or "Unknown album". `relativeFolders` are the folders between the music folder and
// the file.
LibraryTrack libraryTrack(std::string path, const std::vector<std::string>& relativeFolders, const TrackTags& tags);

struct AlbumRow {
    std::string artist;
    std::string album;
};

// An album as the Albums list shows it: under "(All artists)" with its artist after it.
std::string albumRowText(const AlbumRow& row, std::string_view listedArtist);

// The music folder's tracks grouped by artist and album. Names are compared without regard to ASCII
// letter case, here and where they are asked for; a name is shown as it was first met.
class MediaLibrary {
public:
    void add(LibraryTrack track);
    std::size_t size() const { return m_tracks.size(); }

    // Every artist once, sorted.
    std::vector<std::string> artists() const;
    // The artist's albums, sorted; for "(All artists)" every artist's albums, sorted by album, then
    // artist (an album title under two artists is two rows).
    std::vector<AlbumRow> albums(std::string_view artist) const;
    // The album's tracks in disc and track-number order, tracks without a number after them by file
    // name; with an empty album, every track of the artist, album by album. Under "(All artists)" an
    // album title met under several artists plays artist by artist.
    std::vector<std::string> tracks(std::string_view artist, std::string_view album = {}) const;

private:
    // The artist's albums (every album for "(All artists)") in the order they are listed.
    std::vector<std::size_t> albumIndices(std::string_view artist) const;

    // A track as the library keeps it: its artist and album are those of its album.
    struct Entry {
        std::string path;
        int disc;
        int track;
        std::size_t album; // into m_albums
    };

    std::vector<Entry> m_tracks;
    // The albums in the order met, and where each is, by its folded artist and album.
    std::vector<AlbumRow> m_albums;
    std::map<std::string, std::size_t> m_albumIndex;
    // The artists' spellings by their folded names, so in order.
    std::map<std::string, std::string> m_artists;
};

} // namespace jukewright
