#include "core/console/alias_table.h"

#include "core/console/console_tokenizer.h"

namespace jukewright {

void AliasTable::define(std::string_view name, std::string text) {
    auto& index = m_redefinitionIgnoresCase ? m_byKey : m_bySpelling;
    const auto [entry, added] =
        index.try_emplace(m_redefinitionIgnoresCase ? nameKey(name) : std::string(name), m_aliases.size());
    if (!added) {
        m_aliases[entry->second] = {std::string(name), std::move(text)};
        return;
    }
    m_byKey.try_emplace(nameKey(name), m_aliases.size());
    m_aliases.push_back({std::string(name), std::move(text)});
}

const Alias* AliasTable::find(std::string_view name) const {
    const auto entry = m_byKey.find(nameKey(name));
    return entry == m_byKey.end() ? nullptr : &m_aliases[entry->second];
}

} // namespace jukewright
