#include "core/library/library_catalog.h"
#include "support/fixtures.h"
#include "support/run_cli.h"
#include "support/tagged_mp3.h"

#include <gtest/gtest.h>

using namespace jukewright;

namespace {

// Three artists, their albums tagged as their folders name them, so that the listing is the same
// where the system cannot read tags.
void writeMusic(const test::TempFolder& music) {
    music.write("Beta/Live/b.mp3", test::taggedMp3({"Beta", "", "Live", "1", "", ""}));
    music.write("Beta/Live/a.mp3", test::taggedMp3({"Beta", "", "Live", "2", "", ""}));
    music.write("alpha/Greatest/x.mp3", test::taggedMp3({"alpha", "", "Greatest", "", "", ""}));
    music.write("Gamma/Live/y.mp3", test::taggedMp3({"Gamma", "", "Live", "", "", ""}));
    music.write("Gamma/Demo/z.mp3", test::taggedMp3({"Gamma", "", "Demo", "", "", ""}));
}

test::CliResult library(const test::TempFolder& music, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"library", "--folder", music.str()});
    return test::runCli(arguments, music.str());
}

// What the command says after the line it starts with where the system cannot read tags.
std::string afterTagsNote(const std::string& err) {
    const std::string note = std::string("5 files read. ") + TagsUnreadableText + "\n";
    return err.starts_with(note) ? err.substr(note.size()) : err;
}

} // namespace

TEST(LibraryCommand, PrintsArtistsTheirAlbumsAndAnAlbumsTracks) {
    const test::TempFolder music;
    writeMusic(music);
    const test::CliResult artists = library(music, {});
    EXPECT_EQ(artists.status, 0) << artists.err;
    EXPECT_EQ(artists.out, "alpha\nBeta\nGamma\n");

    EXPECT_EQ(library(music, {"--artist", "gamma"}).out, "Demo\nLive\n");
    EXPECT_EQ(library(music, {"--artist", "(All artists)"}).out,
              "Demo (Gamma)\nGreatest (alpha)\nLive (Beta)\nLive (Gamma)\n");

    const test::CliResult tracks = library(music, {"--artist", "Beta", "--album", "live", "--null"});
    EXPECT_EQ(tracks.status, 0) << tracks.err;
#ifndef _WIN32
    EXPECT_EQ(tracks.out, music.file("Beta/Live/b.mp3") + '\0' + music.file("Beta/Live/a.mp3") + '\0')
        << "in track order";
    EXPECT_EQ(tracks.err, "");
    EXPECT_EQ(library(music, {"--album", "Live"}).out, music.file("Beta/Live/b.mp3") + "\n" +
                                                           music.file("Beta/Live/a.mp3") + "\n" +
                                                           music.file("Gamma/Live/y.mp3") + "\n")
        << "an album of every artist, artist by artist";
#endif
}

TEST(LibraryCommand, SaysWhatIsNotThereAndFails) {
    const test::TempFolder music;
    writeMusic(music);
    const test::CliResult artist = library(music, {"--artist", "Delta"});
    EXPECT_EQ(artist.status, 1);
    EXPECT_EQ(artist.out, "");
    EXPECT_EQ(afterTagsNote(artist.err), "No artist named \"Delta\" is in the music folder.\n");

    const test::CliResult album = library(music, {"--artist", "Beta", "--album", "Demo"});
    EXPECT_EQ(album.status, 1);
    EXPECT_EQ(afterTagsNote(album.err), "No album named \"Demo\" is listed under \"Beta\".\n");

    const test::CliResult gone = test::runCli({"library", "--folder", music.str() + "/gone"}, music.str());
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, "The music folder " + music.str() + "/gone does not exist.\n");

    const test::TempFolder empty;
    const test::CliResult nothing = library(empty, {});
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "");
    EXPECT_NE(nothing.err.find("holds no MP3 files"), std::string::npos) << nothing.err;
}

#ifndef _WIN32
// Without --folder, the player's own music folder: the one the user dirs name, else ~/Music.
TEST(LibraryCommand, ReadsThePlayersMusicFolderByDefault) {
    const test::TempFolder home;
    home.write("Music/Artist/Album/1.mp3", test::taggedMp3({}));
    home.write("Songs/Other/Album/1.mp3", test::taggedMp3({}));
    EXPECT_EQ(test::runCli({"library"}, home.str(), {}, {"HOME=" + home.str(), "XDG_CONFIG_HOME="}).out, "Artist\n");
    home.write(".config/user-dirs.dirs", "XDG_MUSIC_DIR=\"$HOME/Songs\"\n");
    EXPECT_EQ(test::runCli({"library"}, home.str(), {}, {"HOME=" + home.str(), "XDG_CONFIG_HOME="}).out, "Other\n");
}
#endif
