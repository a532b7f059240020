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
    // `redefinitionIgnoresCase` as in EngineRules.
    explicit AliasTable(bool redefinitionIgnoresCase = true) : m_redefinitionIgnoresCase(redefinitionIgnoresCase) {}

    // Defines the alias, or replaces the text of the one with the same name: the same name ignoring
    // case (which then takes the new spelling), or else the same spelling only.
    void define(std::string_view name, std::string text);
    // The first alias defined under any spelling of the name.
    const Alias* find(std::string_view name) const;
    // Every alias in the order of first definition.
    const std::vector<Alias>& all() const { return m_aliases; }

private:
    bool m_redefinitionIgnoresCase;
    std::vector<Alias> m_aliases;
    // The first alias of each name ignoring case, and (where the spelling matters) of each spelling.
    std::unordered_map<std::string, std::size_t> m_byKey;
    std::unordered_map<std::string, std::size_t> m_bySpelling;
};

} // namespace jukewright
