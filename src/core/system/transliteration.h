#pragma once

#include <string>
#include <string_view>

namespace jukewright {

// The UTF-8 text in Latin letters and ASCII punctuation where a form exists ("Björk – Jóga" gives
// "Bjork - Joga", "Кино" gives "Kino" with ICU, "½" gives " 1/2"); characters without one may be
// kept or dropped, so callers drop what is still outside ASCII. ASCII text comes back unchanged.
std::string transliteratedToAscii(std::string_view utf8);

} // namespace jukewright
