#!/usr/bin/python3
"""Makes a music folder of tagged MP3 files, for trying the media library and for its benchmark.

  make_music_folder.py --demo DIR
      Three artists and five albums, a few tracks each, tagged with artist, album, track number and
      title. The file names run against the track numbers, so a list in track order shows that the
      tags were read. Artist/Album/ folders as most players keep their music.

  make_music_folder.py --count N [--size BYTES] DIR
      N files of BYTES bytes (default 100 KB) with ID3v2.3 tags: ten tracks to an album, ten albums
      to an artist, in Artist/Album/ folders.

Each file is an ID3v2.3 tag followed by silent MPEG-1 Layer III frames, which players and tag readers
take for a real MP3. Only the standard library is needed: python3 tools/make_music_folder.py ...
"""

import argparse
from pathlib import Path

# One silent frame: 128 kbit/s, 44.1 kHz, no padding, 417 bytes.
FRAME = b"\xff\xfb\x90\x00" + bytes(413)

DEMO = {
    "The Crowbars": {
        "Black Mesa Nights": ["Tram Ride", "Anomalous Materials", "Unforeseen Consequences", "Office Complex"],
        "Surface Tension": ["Dam", "Cliffs", "Airstrike"],
    },
    "Xen Orchestra": {
        "Border World": ["Lambda Core", "Teleport", "Interloper"],
        "Nihilanth": ["Gonarch", "The Last Portal", "Endgame"],
    },
    "Opposing Force": {
        "Boot Camp": ["Welcome", "Obstacle Course", "Rope Climb", "Graduation"],
    },
}


def text_frame(frame_id, text):
    """An ID3v2.3 text frame: Latin-1 where it fits, else UTF-16 with a byte-order mark."""
    try:
        body = b"\x00" + text.encode("latin-1")
    except UnicodeEncodeError:
        body = b"\x01" + text.encode("utf-16")
    return frame_id.encode("ascii") + len(body).to_bytes(4, "big") + b"\x00\x00" + body


def synchsafe(size):
    return bytes((size >> shift) & 0x7F for shift in (21, 14, 7, 0))


def tagged_mp3(artist, album, track, title, size):
    frames = b"".join(
        text_frame(frame_id, text)
        for frame_id, text in (("TPE1", artist), ("TALB", album), ("TRCK", track), ("TIT2", title))
    )
    data = b"ID3\x03\x00\x00" + synchsafe(len(frames)) + frames
    count = max(1, (size - len(data)) // len(FRAME))
    data += FRAME * count
    return data[:size] if len(data) > size > len(FRAME) else data


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def make_demo(folder):
    for artist, albums in DEMO.items():
        for album, titles in albums.items():
            for number, title in enumerate(titles, start=1):
                # "z-..." for the first track, "a-..." for the last: file name order is not track order.
                name = f"{chr(ord('z') - number + 1)}-{title.lower().replace(' ', '-')}.mp3"
                write(folder / artist / album / name,
                      tagged_mp3(artist, album, f"{number}/{len(titles)}", title, 64 * 1024))
    print(f"{folder}: {len(DEMO)} artists, {sum(len(a) for a in DEMO.values())} albums")


def make_count(folder, count, size):
    for index in range(count):
        artist, album, number = index // 100, index // 10 % 10, index % 10 + 1
        write(folder / f"Artist {artist:04}" / f"Album {album}" / f"{number:02} Track.mp3",
              tagged_mp3(f"Artist {artist:04}", f"Album {album}", str(number), f"Track {number}", size))
    print(f"{folder}: {count} files of {size} bytes")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder", type=Path)
    what = parser.add_mutually_exclusive_group(required=True)
    what.add_argument("--demo", action="store_true", help="three artists and five albums")
    what.add_argument("--count", type=int, help="this many files")
    parser.add_argument("--size", type=int, default=100 * 1024, help="bytes per file with --count")
    arguments = parser.parse_args()
    if arguments.demo:
        make_demo(arguments.folder)
    else:
        make_count(arguments.folder, arguments.count, arguments.size)


if __name__ == "__main__":
    main()
