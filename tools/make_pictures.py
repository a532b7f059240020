#!/usr/bin/python3
"""Draws the program's pictures: the two skins and the pictures stored with the windows.

Skins (data/background/<language>/, JPEG): the title banner, the button row with its end pieces, the
four buttons and their glowing twins, and the background behind the track list. The pictures stored
with the windows (src/gui/pictures/, PNG): the three save stages plain and glowing, the two flags, the
MOD FOLDER: caption, the media library picture and the program icon.

Every picture is drawn from shapes and the DejaVu fonts (Debian package fonts-dejavu-core), in one
look: white capitals on the program's orange, a dark button row, glowing highlights.

Run from anywhere: /usr/bin/python3 tools/make_pictures.py   (needs python3-pil)
"""

from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = Path(__file__).resolve().parent.parent
SKINS = ROOT / "data" / "background"
PICTURES = ROOT / "src" / "gui" / "pictures"
FONTS = Path("/usr/share/fonts/truetype/dejavu")

ORANGE = (246, 145, 16)
DEEP_ORANGE = (206, 106, 4)
DARK = (34, 24, 18)
BAR_TOP = (64, 48, 38)
WHITE = (255, 255, 255)
GLOW = (255, 214, 120)

ROW_HEIGHT = 49
BUTTONS = {  # file stem: (width, English caption, German caption)
    "addtrack": (147, "ADD TRACK", "TITEL HINZUFÜGEN"),
    "addplaylist": (162, "ADD PLAYLIST", "PLAYLIST LADEN"),
    "removetrack": (187, "REMOVE TRACK", "TITEL ENTFERNEN"),
    "savescript": (165, "SAVE SCRIPT", "SKRIPT SPEICHERN"),
}
TAGLINES = {"english": "YOUR GAME. YOUR MUSIC.", "german": "DEIN SPIEL. DEINE MUSIK."}
STAGES = {"generating": "GENERATING SCRIPT", "copying": "COPYING FILES", "complete": "COMPLETE"}

# Where the main window puts its controls over the list background (pixels inside playlist.jpg).
LIST_PANEL = (24, 14, 1000, 426)
FOLDER_PANEL = (24, 430, 1000, 494)
FOOTER_TOP = 500


def font(bold=True, condensed=False, size=14):
    name = "DejaVuSans" + ("Condensed" if condensed else "") + ("-Bold" if bold else "") + ".ttf"
    return ImageFont.truetype(str(FONTS / name), size)


def fitted_font(text, width, size, condensed=True, bold=True):
    """The largest size up to `size` at which the text fits the width."""
    while size > 6:
        face = font(bold, condensed, size)
        if face.getlength(text) <= width:
            return face
        size -= 1
    return font(bold, condensed, 6)


def vertical_gradient(size, top, bottom):
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(height - 1, 1)
        draw.line([(0, y), (width, y)], fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return image


def glow(image, xy, text, face, colour, radius, strength=2):
    """Lays a soft halo of `colour` around where the text will be drawn."""
    mask = Image.new("L", image.size, 0)
    ImageDraw.Draw(mask).text(xy, text, font=face, fill=255, anchor="mm")
    halo = mask.filter(ImageFilter.GaussianBlur(radius))
    for _ in range(strength - 1):
        halo = Image.eval(halo, lambda v: min(255, v * 2))
    image.paste(Image.new("RGB", image.size, colour), (0, 0), halo)


def bar(width, lit=False):
    """A piece of the dark button row: a soft gradient with an orange line along its foot."""
    image = vertical_gradient((width, ROW_HEIGHT), (96, 70, 52) if lit else BAR_TOP, (20, 14, 10) if lit else DARK)
    draw = ImageDraw.Draw(image)
    draw.line([(0, 0), (width, 0)], fill=(120, 92, 70))
    draw.rectangle([(0, ROW_HEIGHT - 3), (width, ROW_HEIGHT - 1)], fill=ORANGE)
    return image


def button(width, caption, lit):
    image = bar(width, lit)
    draw = ImageDraw.Draw(image)
    # A thin divider at each edge, so the buttons read as separate keys in the row.
    draw.line([(0, 6), (0, ROW_HEIGHT - 8)], fill=(14, 10, 8))
    draw.line([(width - 1, 6), (width - 1, ROW_HEIGHT - 8)], fill=(110, 84, 64))
    face = fitted_font(caption, width - 18, 15)
    centre = (width / 2, ROW_HEIGHT / 2 - 1)
    if lit:
        glow(image, centre, caption, face, ORANGE, 6, 3)
        glow(image, centre, caption, face, GLOW, 2, 2)
    draw = ImageDraw.Draw(image)
    draw.text(centre, caption, font=face, fill=WHITE if lit else (236, 226, 214), anchor="mm")
    return image


def leftside():
    image = bar(32)
    draw = ImageDraw.Draw(image)
    draw.rectangle([(0, 0), (5, ROW_HEIGHT - 1)], fill=ORANGE)
    draw.ellipse([(13, 19), (23, 29)], fill=ORANGE)
    return image


def rightside():
    image = bar(331)
    draw = ImageDraw.Draw(image)
    # An equaliser fading out towards the window's edge.
    heights = [10, 18, 26, 20, 30, 16, 24, 12, 22, 28, 14, 20, 9, 17, 25, 11, 19, 7, 13, 6]
    for i, h in enumerate(heights):
        x = 24 + i * 14
        fade = 1 - i / (len(heights) + 4)
        colour = tuple(round(DARK[c] + (ORANGE[c] - DARK[c]) * fade) for c in range(3))
        for step in range(0, h, 4):
            draw.rectangle([(x, 40 - step), (x + 9, 42 - step)], fill=colour)
    return image


def title(language):
    width, height = 1024, 166
    image = vertical_gradient((width, height), (52, 36, 26), (18, 12, 8))
    # A warm light behind the name.
    light = Image.new("L", (width, height), 0)
    ImageDraw.Draw(light).ellipse([(150, -60), (880, 230)], fill=150)
    image.paste(Image.new("RGB", (width, height), DEEP_ORANGE), (0, 0), light.filter(ImageFilter.GaussianBlur(70)))
    draw = ImageDraw.Draw(image)
    # A record on the left: grooves, label and hole.
    cx, cy, r = 96, 83, 62
    draw.ellipse([(cx - r, cy - r), (cx + r, cy + r)], fill=(12, 9, 7), outline=(90, 70, 55))
    for groove in range(r - 6, 24, -6):
        draw.ellipse([(cx - groove, cy - groove), (cx + groove, cy + groove)], outline=(38, 30, 24))
    draw.ellipse([(cx - 22, cy - 22), (cx + 22, cy + 22)], fill=ORANGE)
    draw.ellipse([(cx - 4, cy - 4), (cx + 4, cy + 4)], fill=(12, 9, 7))
    draw.arc([(cx - r + 8, cy - r + 8), (cx + r - 8, cy + r - 8)], 200, 250, fill=(150, 130, 110), width=2)
    name = "JUKEWRIGHT"
    face = font(True, False, 70)
    centre = (590, 68)
    glow(image, centre, name, face, ORANGE, 10, 2)
    draw = ImageDraw.Draw(image)
    draw.text(centre, name, font=face, fill=WHITE, anchor="mm", stroke_width=1, stroke_fill=(255, 236, 200))
    tagline = TAGLINES[language]
    draw.text((590, 128), tagline, font=font(True, True, 22), fill=ORANGE, anchor="mm")
    draw.line([(300, 150), (880, 150)], fill=(110, 70, 30))
    return image


def list_background():
    width, height = 1024, 553
    image = vertical_gradient((width, height), (250, 156, 36), ORANGE)
    draw = ImageDraw.Draw(image)
    # Soft shadows under the two panels the list and the mod-folder box lie on.
    shadow = Image.new("L", (width, height), 0)
    shadow_draw = ImageDraw.Draw(shadow)
    for box in (LIST_PANEL, FOLDER_PANEL):
        shadow_draw.rounded_rectangle([(box[0] + 3, box[1] + 4), (box[2] + 3, box[3] + 4)], 10, fill=120)
    image.paste(Image.new("RGB", (width, height), (150, 76, 0)), (0, 0), shadow.filter(ImageFilter.GaussianBlur(5)))
    draw = ImageDraw.Draw(image)
    for box in (LIST_PANEL, FOLDER_PANEL):
        draw.rounded_rectangle([box[:2], box[2:]], 10, fill=ORANGE, outline=(255, 200, 120), width=2)
    draw.rectangle([(0, FOOTER_TOP), (width, height)], fill=DEEP_ORANGE)
    draw.line([(0, FOOTER_TOP), (width, FOOTER_TOP)], fill=(255, 196, 110), width=1)
    return image


def stage(caption, lit):
    image = Image.new("RGB", (300, 20), ORANGE)
    face = font(lit, False, 13)
    if lit:
        glow(image, (150, 10), caption, face, (255, 214, 110), 3, 2)
    ImageDraw.Draw(image).text((150, 10), caption, font=face, fill=WHITE, anchor="mm")
    return image


def mod_folder_caption():
    image = Image.new("RGB", (150, 20), ORANGE)
    ImageDraw.Draw(image).text((2, 10), "MOD FOLDER:", font=font(True, False, 14), fill=WHITE, anchor="lm")
    return image


def union_flag():
    big = Image.new("RGB", (250, 140), (1, 33, 105))
    draw = ImageDraw.Draw(big)
    for a, b in (((0, 0), (250, 140)), ((0, 140), (250, 0))):
        draw.line([a, b], fill=WHITE, width=28)
    for a, b in (((0, 0), (250, 140)), ((0, 140), (250, 0))):
        draw.line([a, b], fill=(200, 16, 46), width=9)
    draw.rectangle([(104, 0), (146, 140)], fill=WHITE)
    draw.rectangle([(0, 49), (250, 91)], fill=WHITE)
    draw.rectangle([(112, 0), (138, 140)], fill=(200, 16, 46))
    draw.rectangle([(0, 57), (250, 83)], fill=(200, 16, 46))
    return big.resize((25, 14), Image.LANCZOS)


def german_flag():
    image = Image.new("RGB", (25, 14), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rectangle([(0, 5), (24, 9)], fill=(221, 0, 0))
    draw.rectangle([(0, 10), (24, 13)], fill=(255, 206, 0))
    # Rows of 5, 5 and 4 pixels: the last stripe keeps a thin dark edge off.
    return image


def note(draw, x, y, scale, colour):
    """An eighth note whose head's centre is at (x, y)."""
    r = 7 * scale
    draw.ellipse([(x - r * 1.25, y - r), (x + r * 1.25, y + r)], fill=colour)
    stem_x = x + r * 1.1
    draw.rectangle([(stem_x - 2 * scale, y - 34 * scale), (stem_x, y)], fill=colour)
    draw.polygon([(stem_x, y - 34 * scale), (stem_x + 14 * scale, y - 22 * scale), (stem_x + 12 * scale, y - 16 * scale),
                  (stem_x, y - 25 * scale)], fill=colour)


def media_library():
    image = Image.new("RGB", (150, 40), DEEP_ORANGE)
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([(0, 0), (149, 39)], 8, fill=DARK, outline=ORANGE, width=2)
    note(draw, 18, 28, 0.65, ORANGE)
    draw.text((38, 13), "MEDIA", font=font(True, True, 13), fill=WHITE, anchor="lm")
    draw.text((38, 27), "LIBRARY", font=font(True, True, 13), fill=GLOW, anchor="lm")
    return image


def icon():
    size = 256
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([(8, 8), (size - 9, size - 9)], 48, fill=ORANGE + (255,), outline=DARK + (255,), width=10)
    draw.ellipse([(44, 44), (212, 212)], fill=DARK + (255,))
    for groove in range(76, 30, -12):
        draw.ellipse([(128 - groove, 128 - groove), (128 + groove, 128 + groove)], outline=(60, 44, 34, 255), width=2)
    note(draw, 116, 160, 2.2, WHITE + (255,))
    return image


def save_jpeg(image, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    image.save(path, "JPEG", quality=92)


def save_png(image, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    image.save(path, "PNG", optimize=True)


def main():
    for index, language in enumerate(("english", "german")):
        folder = SKINS / language
        save_jpeg(title(language), folder / "title.jpg")
        save_jpeg(leftside(), folder / "leftside.jpg")
        save_jpeg(rightside(), folder / "rightside.jpg")
        save_jpeg(list_background(), folder / "playlist.jpg")
        for stem, (width, *captions) in BUTTONS.items():
            save_jpeg(button(width, captions[index], False), folder / f"{stem}.jpg")
            save_jpeg(button(width, captions[index], True), folder / f"{stem}g.jpg")
    for stem, caption in STAGES.items():
        save_png(stage(caption, False), PICTURES / f"stage_{stem}.png")
        save_png(stage(caption, True), PICTURES / f"stage_{stem}_glow.png")
    save_png(mod_folder_caption(), PICTURES / "modfolder.png")
    save_png(union_flag(), PICTURES / "flag_english.png")
    save_png(german_flag(), PICTURES / "flag_german.png")
    save_png(media_library(), PICTURES / "medialibrary.png")
    save_png(icon(), PICTURES / "jukewright.png")


if __name__ == "__main__":
    main()
