#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace jukewright {

// The engine refuses longer alias names and cuts longer alias texts.
inline constexpr std::size_t MaxAliasNameLength = 31;
inline constexpr std::size_t MaxAliasTextLength = 1022;

struct Alias {
    std::string name;
    // The commands the alias runs, as stored (without the line end the engine adds when it runs).
    std::string text;
};

// The console's aliases, found by name ignoring letter case.
class AliasTable {
public:
    // Defines the alias, or replaces the text of the one with the same name (and takes the new
    // spelling of the name).
    void define(std::string_view name, std::string text);
    const Alias* find(std::string_view name) const;
    // Every alias in the order of first definition.
    const std::vector<Alias>& all() const { return m_aliases; }

private:
    std::vector<Alias> m_aliases;
    std::unordered_map<std::string, std::size_t> m_byKey;
};

} // namespace jukewright
