#include "core/script/copy_names.h"

#include "core/script/console_safe_name.h"
#include "core/system/ascii_case.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace jukewright {

namespace {

class NameTable {
public:
    explicit NameTable(const PlayersNames* found) : m_found(found) {}

    bool isFree(const std::string& name) const { return !isTrackName(name) && !isPlayers(name); }
    bool isTrackName(const std::string& name) const { return m_taken.contains(foldAsciiCase(name)); }
    bool isPlayers(const std::string& name) const { return m_found && m_found->isPlayers(name); }
    void take(const std::string& name) { m_taken.insert(foldAsciiCase(name)); }

    // The lowest number n >= 2 before the extension that makes the name free. The table only
    // grows, so the search for a name can go on where its last search stopped.
    std::string numbered(const std::string& name) {
        const std::size_t dot = name.rfind('.');
        const std::string stem = name.substr(0, dot);
        const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
        int& n = m_nextNumber.try_emplace(foldAsciiCase(name), 2).first->second;
        std::string candidate;
        do {
            candidate = stem + std::to_string(n++);
            candidate += extension;
        } while (!isFree(candidate));
        return candidate;
    }

private:
    const PlayersNames* m_found;
    std::unordered_set<std::string> m_taken;
    std::unordered_map<std::string, int> m_nextNumber;
};

// Windows opens a device, not a file, for these names whatever follows their first dot
// ("NUL.mp3", "con.live.mp3"), so a copy by such a name would be lost.
bool isWindowsDeviceName(const std::string& name) {
    static constexpr std::string_view devices[] = {"con", "prn", "aux", "nul"};
    const std::string stem = foldAsciiCase(name.substr(0, name.find('.')));
    if (std::find(std::begin(devices), std::end(devices), stem) != std::end(devices))
        return true;
    return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '1' && stem[3] <= '9';
}

// Xash3D refuses every path that holds "..": a run of dots becomes one.
void collapseDots(std::string& name) {
    name.erase(std::unique(name.begin(), name.end(), [](char a, char b) { return a == '.' && b == '.'; }), name.end());
}

// A name fit for a file in "mp3s": never empty, never hidden, never a Windows device, and at most MaxFittedNameBytes
// long, so that a number added to keep it apart still fits every file system.
std::string fittedName(std::string name, int trackNumber) {
    if (name.empty())
        return "track" + std::to_string(trackNumber) + ".mp3";
    collapseDots(name);
    if (name.starts_with('.'))
        name.insert(0, "track" + std::to_string(trackNumber));
    if (isWindowsDeviceName(name))
        name.insert(name.find('.') == std::string::npos ? name.size() : name.find('.'), "_");
    if (name.size() <= MaxFittedNameBytes)
        return name;
    const std::size_t dot = name.rfind('.');
    const std::size_t extension = name.size() - dot;
    if (dot == std::string::npos || extension > MaxKeptExtensionBytes) {
        name.resize(MaxFittedNameBytes);
    } else {
        name.erase(MaxFittedNameBytes - extension, name.size() - MaxFittedNameBytes);
    }
    // The cut may bring two dots together, or leave one at the end, which Windows would drop.
    collapseDots(name);
    name.erase(name.find_last_not_of('.') + 1);
    return name;
}

} // namespace

ScriptNames assignScriptNames(const AppState& state, const PlayersNames* found) {
    ScriptNames names;
    names.copy.reserve(static_cast<std::size_t>(state.TrackCount));
    names.chat.reserve(static_cast<std::size_t>(state.TrackCount));
    NameTable table(found);
    std::unordered_map<std::string, std::size_t> bySource;
    for (int i = 0; i < state.TrackCount; ++i) {
        const std::string ascii = asciiName(state.TrackNames[static_cast<std::size_t>(i)]);
        names.chat.push_back(chatSafeName(ascii));
        const std::string& source = state.TrackPaths[static_cast<std::size_t>(i)];
        if (const auto known = bySource.find(source); known != bySource.end()) {
            names.copy.push_back(names.copy[known->second]);
            continue;
        }
        std::string name = fittedName(ConvertSpaces(ascii), i + 1);
        // A track whose source is the player's file at its copy's place is its own copy.
        const bool inPlace = !table.isTrackName(name) && table.isPlayers(name) && found->isSourceItself(name, source);
        if (!inPlace && !table.isFree(name))
            name = table.numbered(name);
        table.take(name);
        bySource.emplace(source, names.copy.size());
        names.copy.push_back(std::move(name));
    }
    return names;
}

} // namespace jukewright
