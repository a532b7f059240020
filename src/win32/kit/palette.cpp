#include "win32/kit/palette.h"

namespace jukewright::win32 {

LRESULT colourOrange(HDC dc, const Palette& palette) {
    SetTextColor(dc, White);
    SetBkColor(dc, Orange);
    return reinterpret_cast<LRESULT>(palette.orange.get());
}

} // namespace jukewright::win32
