#!/usr/bin/env bash
# Writes data/morvane_lanternsburn.mp3, "Morvane - Lanterns Burn": a short piece synthesised from
# scratch with sox and encoded with lame. Everything in it is made here, so the track can be given
# away with the program (see data/LICENSES).
#
# Usage: tools/make_free_track.sh [OUTPUT.mp3]   (needs the Debian packages sox and lame)
set -euo pipefail

output=${1:-"$(dirname "$0")/../data/morvane_lanternsburn.mp3"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=44100
bar=2.5 # seconds per chord: 96 beats a minute, four beats a chord

# The chord sequence, in semitones from A4 (sox's "%N" notation). Minor, slow, a little hopeful:
# Am F C G, then Am F G Em for the second half of each verse.
chords=(
    "-12 -9 -5" "-16 -12 -9" "-21 -17 -14" "-14 -10 -7"
    "-12 -9 -5" "-16 -12 -9" "-14 -10 -7" "-17 -14 -10"
)

# One synthesised note: NAME DURATION SHAPE SEMITONES GAIN FADE-IN FADE-OUT
note() {
    sox -R -n -r "$rate" -c 1 "$work/$1.wav" synth "$2" "$3" "%$4" gain "$5" fade q "$6" "$2" "$7"
}

# The pad: each chord as three soft triangle voices, slowly swelling.
pad_bar() {
    local index=$1 i=0 parts=()
    for semitone in ${chords[$index]}; do
        note "pad_${index}_$i" "$bar" triangle "$semitone" -18 0.6 0.8
        parts+=("$work/pad_${index}_$i.wav")
        i=$((i + 1))
    done
    sox -m "${parts[@]}" "$work/pad_$index.wav"
}

# The bass: the chord's root two octaves down, plucked on the first and third beat.
bass_bar() {
    local index=$1 root
    root=$(echo "${chords[$index]}" | awk '{print $1 - 12}')
    note "bass_${index}_a" 1.25 pluck "$root" -6 0.01 0.6
    note "bass_${index}_b" 1.25 pluck "$root" -9 0.01 0.6
    sox "$work/bass_${index}_a.wav" "$work/bass_${index}_b.wav" "$work/bass_$index.wav"
}

# The lantern bells: the chord's notes an octave up, one every eighth beat, rising then falling.
arp_bar() {
    local index=$1 parts=() n=0
    read -r -a tones <<<"${chords[$index]}"
    for step in 0 1 2 1 0 1 2 1; do
        note "arp_${index}_$n" 0.3125 pluck "$((tones[step] + 12))" -14 0.005 0.25
        parts+=("$work/arp_${index}_$n.wav")
        n=$((n + 1))
    done
    sox "${parts[@]}" "$work/arp_$index.wav"
}

# The beat: a low thump on one and three, a short noise tick on every off-beat.
sox -R -n -r "$rate" -c 1 "$work/kick.wav" synth 0.3125 sine 90:40 gain -4 fade q 0.002 0.3125 0.25
sox -R -n -r "$rate" -c 1 "$work/tick.wav" synth 0.3125 whitenoise gain -22 highpass 6000 fade q 0.001 0.3125 0.28
sox "$work/kick.wav" "$work/tick.wav" "$work/tick.wav" "$work/tick.wav" \
    "$work/kick.wav" "$work/tick.wav" "$work/tick.wav" "$work/tick.wav" "$work/beat.wav"

for index in "${!chords[@]}"; do
    pad_bar "$index"
    bass_bar "$index"
    arp_bar "$index"
done

# Arrangement, eight chords a verse (20 s each):
#   verse 1: pad and bass; verse 2: everything; verse 3: everything but the beat, fading out.
verse() {
    local name=$1 layers=$2 parts=()
    for index in "${!chords[@]}"; do
        local mix=()
        for layer in $layers; do
            if [ "$layer" = beat ]; then mix+=("$work/beat.wav"); else mix+=("$work/${layer}_$index.wav"); fi
        done
        if [ ${#mix[@]} -eq 1 ]; then
            cp "${mix[0]}" "$work/${name}_$index.wav"
        else
            sox -m "${mix[@]}" "$work/${name}_$index.wav"
        fi
        parts+=("$work/${name}_$index.wav")
    done
    sox "${parts[@]}" "$work/$name.wav"
}
verse one "pad bass"
verse two "pad bass arp beat"
verse three "pad bass arp"

sox "$work/one.wav" "$work/two.wav" "$work/three.wav" "$work/mono.wav"
# A little room and width, then the final level and a fade at the end.
sox "$work/mono.wav" "$work/song.wav" channels 2 reverb 40 50 60 100 10 gain -n -1 fade t 0.5 -0 6

lame --quiet -b 96 --tt "Lanterns Burn" --ta "Morvane" --tc "Public domain (CC0)" "$work/song.wav" "$output"
echo "wrote $output ($(stat -c %s "$output") bytes)"
