#include "core/library/media_library.h"

#include "core/system/ascii_case.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace jukewright {

LibraryTrack libraryTrack(std::string path, const std::vector<std::string>& relativeFolders, const TrackTags& tags) {
    const bool artistAlbumFolders = relativeFolders.size() == 2;
    const auto orFolder = [&](const std::string& tag, std::size_t folder, const char* unknown) {
        if (!tag.empty())
            return tag;
        return artistAlbumFolders ? relativeFolders[folder] : std::string(unknown);
    };
    return {std::move(path), orFolder(tags.artist, 0, UnknownArtist), orFolder(tags.album, 1, UnknownAlbum), tags.disc,
            tags.track};
}

std::string albumRowText(const AlbumRow& row, std::string_view listedArtist) {
    return listedArtist == AllArtists ? row.album + " (" + row.artist + ")" : row.album;
}

void MediaLibrary::add(LibraryTrack track) {
    // One spelling per artist and per album of an artist: the first met.
    const std::string artistKey = foldAsciiCase(track.artist);
    const std::string& artist = m_artists.try_emplace(artistKey, track.artist).first->second;
    const auto [album, isNew] =
        m_albumIndex.try_emplace(artistKey + '\0' + foldAsciiCase(track.album), m_albums.size());
    if (isNew)
        m_albums.push_back({artist, std::move(track.album)});
    m_tracks.push_back({std::move(track.path), track.disc, track.track, album->second});
}

std::vector<std::string> MediaLibrary::artists() const {
    std::vector<std::string> names;
    names.reserve(m_artists.size());
    for (const auto& [key, name] : m_artists)
        names.push_back(name);
    return names;
}

std::vector<std::size_t> MediaLibrary::albumIndices(std::string_view artist) const {
    const bool all = artist == AllArtists;
    const std::string wanted = foldAsciiCase(artist);
    std::vector<std::pair<std::string, std::size_t>> keyed;
    for (std::size_t i = 0; i < m_albums.size(); ++i)
        if (all || foldAsciiCase(m_albums[i].artist) == wanted)
            keyed.emplace_back(foldAsciiCase(m_albums[i].album) + '\0' + foldAsciiCase(m_albums[i].artist), i);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> indices;
    indices.reserve(keyed.size());
    for (const auto& [key, index] : keyed)
        indices.push_back(index);
    return indices;
}

std::vector<AlbumRow> MediaLibrary::albums(std::string_view artist) const {
    std::vector<AlbumRow> rows;
    for (std::size_t index : albumIndices(artist))
        rows.push_back(m_albums[index]);
    return rows;
}

std::vector<std::string> MediaLibrary::tracks(std::string_view artist, std::string_view album) const {
    // The albums to play, in their order: one, or all of the artist's.
    constexpr std::size_t NotPlayed = static_cast<std::size_t>(-1);
    std::vector<std::size_t> rank(m_albums.size(), NotPlayed);
    if (!album.empty()) {
        const std::string wanted = foldAsciiCase(album);
        for (std::size_t index : albumIndices(artist))
            if (foldAsciiCase(m_albums[index].album) == wanted)
                rank[index] = 0;
    } else {
        const std::vector<std::size_t> order = albumIndices(artist);
        for (std::size_t i = 0; i < order.size(); ++i)
            rank[order[i]] = i;
    }
    // Numbered tracks first, by disc and number; then the others by file name alone.
    using PlayKey = std::tuple<std::size_t, bool, int, int, std::string, const std::string*>;
    std::vector<PlayKey> chosen;
    for (const Entry& track : m_tracks) {
        if (rank[track.album] == NotPlayed)
            continue;
        const bool numbered = track.track != 0;
        chosen.emplace_back(rank[track.album], !numbered, numbered ? track.disc : 0, track.track,
                            pathUtf8(utf8Path(track.path).filename()), &track.path);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const PlayKey& a, const PlayKey& b) {
        return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a), std::get<3>(a), std::get<4>(a)) <
               std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b), std::get<3>(b), std::get<4>(b));
    });
    std::vector<std::string> paths;
    paths.reserve(chosen.size());
    for (const PlayKey& key : chosen)
        paths.push_back(*std::get<5>(key));
    return paths;
}

} // namespace jukewright
