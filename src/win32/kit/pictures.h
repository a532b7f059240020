#pragma once

#include "win32/kit/gdi_object.h"

#include <string>
#include <windows.h>

namespace jukewright::win32 {

// A picture read through the system's imaging component (JPEG, PNG, ...) as a 32-bit bitmap with its
// alpha premultiplied, ready to draw.
struct Picture {
    Bitmap bitmap;
    SIZE size{};

    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// Reads a picture file. When it cannot be read the picture is empty and `error` tells why, in the
// system's words.
Picture loadPictureFile(const std::string& path, std::string& error);
// Reads one of the program's own pictures, stored as RCDATA under `name` (FLAG_ENGLISH, ...).
Picture loadPictureResource(const wchar_t* name);

// Draws the picture stretched over `target`, blended onto what is there.
void drawPicture(HDC dc, const Picture& picture, const RECT& target);

} // namespace jukewright::win32
