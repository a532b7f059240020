#include "cli/library_command.h"

#include "cli/cli_items.h"
#include "cli/exit_status.h"
#include "core/library/library_catalog.h"
#include "core/library/media_library.h"
#include "core/library/music_scan.h"
#include "core/system/music_folder.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace jukewright::cli {

namespace {

struct LibraryOptions {
    std::string folder;
    std::string artist;
    std::string album;
    bool null = false;
};

MediaLibrary readLibrary(const std::string& folder) {
    MediaLibrary library;
    const std::unique_ptr<TagReader> reader = makeTagReader();
    const ScanCounts counts =
        scanMusicFolder(folder, *reader, [&](LibraryTrack track, const ScanCounts&) { library.add(std::move(track)); });
    // The listing goes to standard output; what the person should know about the scan, to standard error.
    if (counts.foldersSkipped > 0 || !reader->works())
        std::cerr << scanStatusLine(counts, false, !reader->works()) << '\n';
    if (counts.filesRead == 0)
        std::cerr << "The music folder " << folder << " holds no MP3 files.\n";
    return library;
}

// What the library holds for the options given, or nothing after saying on standard error that the
// artist or album is not there.
std::optional<std::vector<std::string>> listing(const MediaLibrary& library, const LibraryOptions& options) {
    if (options.artist.empty() && options.album.empty())
        return library.artists();
    const std::string artist = options.artist.empty() ? std::string(AllArtists) : options.artist;
    const std::vector<AlbumRow> albums = library.albums(artist);
    if (albums.empty()) {
        std::cerr << "No artist named \"" << artist << "\" is in the music folder.\n";
        return std::nullopt;
    }
    if (options.album.empty()) {
        std::vector<std::string> rows;
        for (const AlbumRow& album : albums)
            rows.push_back(albumRowText(album, artist));
        return rows;
    }
    std::vector<std::string> tracks = library.tracks(artist, options.album);
    if (tracks.empty()) {
        std::cerr << "No album named \"" << options.album << "\" is listed under \"" << artist << "\".\n";
        return std::nullopt;
    }
    return tracks;
}

int runLibrary(const LibraryOptions& options) {
    const std::string folder = options.folder.empty() ? musicFolder() : absoluteItem(options.folder);
    if (const std::optional<std::string> problem = musicFolderProblem(folder)) {
        std::cerr << *problem << '\n';
        return ExitFailed;
    }
    const std::optional<std::vector<std::string>> rows = listing(readLibrary(folder), options);
    if (!rows)
        return ExitFailed;
    for (const std::string& row : *rows)
        std::cout << row << (options.null ? '\0' : '\n');
    return std::cout.flush() ? ExitDone : ExitFailed;
}

} // namespace

std::function<int()> addLibraryCommand(CLI::App& app) {
    auto options = std::make_shared<LibraryOptions>();
    CLI::App* command = app.add_subcommand("library", "List the artists, albums and tracks of the music folder");
    command->add_option("--folder", options->folder, "The music folder to read (default: the player's own)");
    command->add_option("--artist", options->artist, "List this artist's albums; \"(All artists)\" lists every album");
    command->add_option("--album", options->album,
                        "List this album's tracks in play order (the album of --artist, else of every artist)");
    command->add_flag("--null", options->null, "End each name with a NUL byte instead of a new line");
    command->footer("Reads the tags of every MP3 file below the music folder, as the window's media library does. "
                    "Without options it prints the artists, one per line; with --artist, that artist's albums; with "
                    "--album, the full paths of the album's tracks in disc and track-number order, ready for save: "
                    "jukewright-cli library --artist X --album Y --null | xargs -0 jukewright-cli save --mod DIR. "
                    "Names are matched without regard to letter case. A file without tags is listed under its "
                    "folders' names when it lies at MUSIC/Artist/Album/, else under \"Unknown artist\" and "
                    "\"Unknown album\". The exit status is 1 when the music folder cannot be read or the artist "
                    "or album is not there.");
    return [command, options] { return command->parsed() ? runLibrary(*options) : -1; };
}

} // namespace jukewright::cli
