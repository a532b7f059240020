#include "win32/kit/fonts.h"

#include <cmath>
#include <cwchar>

namespace jukewright::win32 {

Font designFont(const wchar_t* face, double points, const Dpi& dpi, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi.value() / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

void setFont(HWND control, const Font& font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

} // namespace jukewright::win32
