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

} // namespace jukewright
