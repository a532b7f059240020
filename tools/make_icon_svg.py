#!/usr/bin/python3
"""Draws the program icon as a scalable picture for the desktop's icon theme:
dist/icons/hicolor/scalable/apps/org.jukewright.Jukewright.svg. It is the same drawing as the PNG icon of
make_pictures.py (an orange tile, a dark record with its grooves, a white eighth note), in vectors.

Run whenever the icon changes: /usr/bin/python3 tools/make_icon_svg.py (standard library only)
"""

from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "dist" / "icons" / "hicolor" / "scalable" / "apps" / "org.jukewright.Jukewright.svg"

ORANGE = "#f69110"
DARK = "#221812"
GROOVE = "#3c2c22"
WHITE = "#ffffff"


def note(x, y, scale):
    """An eighth note whose head's centre is at (x, y), as make_pictures.py draws it."""
    r = 7 * scale
    stem_x = x + r * 1.1
    flag = [(stem_x, y - 34 * scale), (stem_x + 14 * scale, y - 22 * scale), (stem_x + 12 * scale, y - 16 * scale),
            (stem_x, y - 25 * scale)]
    points = " ".join(f"{px:.1f},{py:.1f}" for px, py in flag)
    return [
        f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{r * 1.25:.1f}" ry="{r:.1f}" fill="{WHITE}"/>',
        f'<rect x="{stem_x - 3 * scale:.1f}" y="{y - 34 * scale:.1f}" width="{3 * scale:.1f}" height="{34 * scale:.1f}" '
        f'fill="{WHITE}"/>',
        f'<polygon points="{points}" fill="{WHITE}"/>',
    ]


def icon():
    shapes = [
        f'<rect x="13" y="13" width="230" height="230" rx="43" fill="{ORANGE}" stroke="{DARK}" stroke-width="10"/>',
        f'<circle cx="128" cy="128" r="84" fill="{DARK}"/>',
    ]
    shapes += [f'<circle cx="128" cy="128" r="{groove - 1}" fill="none" stroke="{GROOVE}" stroke-width="2"/>'
               for groove in range(76, 30, -12)]
    shapes += note(116, 160, 2.2)
    body = "\n  ".join(shapes)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            f"  <title>Jukewright</title>\n  {body}\n</svg>\n")


def main():
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    OUTPUT.write_text(icon(), encoding="utf-8")


if __name__ == "__main__":
    main()
