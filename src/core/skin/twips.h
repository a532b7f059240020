#pragma once

namespace jukewright {

// The windows are designed in twips (1/1440 inch); at 96 dots per inch 15 twips make one pixel.
// Qt scales these logical pixels for other densities. Halves round away from zero.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

// A control's place and size as the window's design gives them, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    bool operator==(const TwipsRect&) const = default;
};

struct TwipsSize {
    int width = 0;
    int height = 0;

    bool operator==(const TwipsSize&) const = default;
};

} // namespace jukewright
