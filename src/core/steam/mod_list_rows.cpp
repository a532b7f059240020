#include "core/steam/mod_list_rows.h"

#include <algorithm>

namespace jukewright {

namespace {

// So many characters of a library's folder fit beside a mod's name in the browser's list.
constexpr std::size_t LibraryCharacters = 24;

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The byte offsets at which the text's characters start.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); ++at)
        if (startsCharacter(text[at]))
            starts.push_back(at);
    return starts;
}

} // namespace

std::string shortenedInTheMiddle(const std::string& text, std::size_t most) {
    const std::vector<std::size_t> starts = characterStarts(text);
    const std::string dots = "...";
    if (starts.size() <= most || most <= dots.size())
        return text;
    const std::size_t kept = most - dots.size();
    const std::size_t head = kept / 3;
    const std::size_t tail = kept - head;
    return text.substr(0, starts[head]) + dots + text.substr(starts[starts.size() - tail]);
}

std::vector<std::string> modListRows(const std::vector<InstalledMod>& mods) {
    std::vector<std::string> rows;
    rows.reserve(mods.size());
    for (const InstalledMod& mod : mods) {
        const bool shared = std::ranges::count(mods, mod.name, &InstalledMod::name) > 1;
        const std::string library =
            mod.libraryLabel.empty() ? shortenedInTheMiddle(mod.library, LibraryCharacters) : mod.libraryLabel;
        rows.push_back(shared ? mod.name + " (" + library + ")" : mod.name);
    }
    return rows;
}

std::string noModsText(const InstalledMods& installed) {
    const std::string instead = " Choose the mod folder in the folder list instead.";
    if (installed.libraries.empty())
        return "Steam was not found on this computer." + instead;
    return "Steam was found, but no Half-Life mod is installed in it." + instead;
}

std::string modListNote(const InstalledMods& installed) {
    std::string note = installed.mods.empty() ? noModsText(installed) : std::string();
    for (const std::string& problem : installed.problems)
        note += (note.empty() ? "" : "\n\n") + problem;
    return note;
}

} // namespace jukewright
