#include "core/script/copy_names.h"

#include "core/script/console_safe_name.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace jukewright {

namespace {

std::string foldAsciiCase(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

class NameTable {
public:
    bool isFree(const std::string& name) const { return !m_taken.contains(foldAsciiCase(name)); }
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
    std::unordered_set<std::string> m_taken;
    std::unordered_map<std::string, int> m_nextNumber;
};

} // namespace

std::vector<std::string> assignCopyNames(const AppState& state) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(state.TrackCount));
    NameTable table;
    std::unordered_map<std::string, std::size_t> bySource;
    for (int i = 0; i < state.TrackCount; ++i) {
        const std::string& source = state.TrackPaths[static_cast<std::size_t>(i)];
        if (const auto known = bySource.find(source); known != bySource.end()) {
            names.push_back(names[known->second]);
            continue;
        }
        std::string name = ConvertSpaces(state.TrackNames[static_cast<std::size_t>(i)]);
        if (name.empty())
            name = "track" + std::to_string(i + 1) + ".mp3";
        if (!table.isFree(name))
            name = table.numbered(name);
        table.take(name);
        bySource.emplace(source, names.size());
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace jukewright
