#!/usr/bin/env bash
# Puts the display font that the program installs into the fonts folder, data/HLFLIFE2.TTF, and
# writes data/LICENSES for the two media files shipped beside the program.
#
# The font is "Play Bold" by Jonas Hecksher (Playtypes, e-types AS), under the SIL Open Font
# License 1.1, taken unmodified from Debian's fonts-play package; only the file name differs, which
# the licence allows (the reserved font names concern the font's own name, which stays "Play").
#
# Usage: tools/fetch_display_font.sh   (as root, or with fonts-play already installed)
set -euo pipefail

data="$(dirname "$0")/../data"
font=/usr/share/fonts/truetype/play/Play-Bold.ttf
copyright=/usr/share/doc/fonts-play/copyright

if [ ! -f "$font" ]; then
    apt-get install -y fonts-play
fi
cp "$font" "$data/HLFLIFE2.TTF"

# The OFL text exactly as Debian ships it for Play-*.ttf, with its Debian indentation removed.
ofl=$(awk '/^Files: Play-\*\.ttf/ { files = 1 }
           files && /^License: OFL-1.1/ { text = 1; next }
           text && /^(Files|License|Comment):/ { exit }
           text { print }' "$copyright" | sed -e 's/^ //' -e 's/^\.$//')
if ! grep -q 'SIL OPEN FONT LICENSE Version 1.1' <<<"$ofl"; then
    echo "fonts-play no longer ships Play under the SIL Open Font License 1.1: check the licence" >&2
    exit 1
fi

cat >"$data/LICENSES" <<TEXT
Licences of the media files shipped with Jukewright
===================================================

morvane_lanternsburn.mp3
------------------------
"Morvane - Lanterns Burn", an original piece synthesised for Jukewright by
tools/make_free_track.sh (sox and lame). To the extent possible under law, the
authors have dedicated all copyright and related rights in this recording and in
the script that makes it to the public domain worldwide (Creative Commons CC0 1.0
Universal, https://creativecommons.org/publicdomain/zero/1.0/). You may copy,
modify, distribute and perform it, even for commercial purposes, without asking.

HLFLIFE2.TTF
------------
The font "Play" (Bold), Copyright 2011 Jonas Hecksher, Playtypes, e-types AS
(e-types.com), unmodified; only the file name is Jukewright's. It is licensed
under the SIL Open Font License, Version 1.1, whose text follows. Reserved Font
Names are "Play", "Playtype", and "Playtype Sans".

$ofl
TEXT
echo "wrote $data/HLFLIFE2.TTF and $data/LICENSES"
