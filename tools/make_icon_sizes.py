#!/usr/bin/python3
"""Scales the program icon (src/gui/pictures/jukewright.png, 256x256, drawn by make_pictures.py) to the
sizes of the desktop's icon theme: dist/icons/hicolor/<N>x<N>/apps/org.jukewright.Jukewright.png.

Run after make_pictures.py whenever the icon changes: /usr/bin/python3 tools/make_icon_sizes.py
(needs python3-pil)
"""

from pathlib import Path

from PIL import Image

ROOT = Path(__file__).resolve().parent.parent
ICON = ROOT / "src" / "gui" / "pictures" / "jukewright.png"
THEME = ROOT / "dist" / "icons" / "hicolor"
APP_ID = "org.jukewright.Jukewright"
SIZES = (16, 24, 32, 48, 64, 128, 256)


def main():
    source = Image.open(ICON).convert("RGBA")
    for size in SIZES:
        path = THEME / f"{size}x{size}" / "apps" / f"{APP_ID}.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        scaled = source if size == source.width else source.resize((size, size), Image.LANCZOS)
        scaled.save(path, "PNG", optimize=True)


if __name__ == "__main__":
    main()
