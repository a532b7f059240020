#pragma once

// The Windows registry: only Windows has one, so this exists only there.
#ifdef _WIN32

#include <string>

namespace jukewright {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The text of a string value (as UTF-8), or empty when the key or the value is missing or is no
// string.
std::string registryText(RegistryRoot root, const wchar_t* key, const wchar_t* name);

} // namespace jukewright

#endif
