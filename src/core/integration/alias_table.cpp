#include "core/integration/alias_table.h"

#include "core/integration/console_tokenizer.h"

namespace jukewright {

void AliasTable::define(std::string_view name, std::string text) {
    const auto [entry, added] = m_byKey.try_emplace(nameKey(name), m_aliases.size());
    if (added)
        m_aliases.push_back({std::string(name), std::move(text)});
    else
        m_aliases[entry->second] = {std::string(name), std::move(text)};
}

const Alias* AliasTable::find(std::string_view name) const {
    const auto entry = m_byKey.find(nameKey(name));
    return entry == m_byKey.end() ? nullptr : &m_aliases[entry->second];
}

} // namespace jukewright
