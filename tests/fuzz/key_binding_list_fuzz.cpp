// The key-binding list rewrite on any list: it is idempotent, ends with exactly one controls section,
// and keeps in order every non-empty row except the title rows and the rows an old section may be
// made of (the "blank" rows just around a title, and the section's own commands and blank-only rows
// after it).
#include "core/mod_files/key_binding_list.h"
#include "core/system/text_rows.h"
#include "fuzz_support.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

using namespace jukewright;

namespace {

constexpr std::string_view Title = "MP3 Player Controls";

std::optional<std::string_view> command(std::string_view row) {
    const auto open = row.find('"');
    if (open == std::string_view::npos)
        return std::nullopt;
    const auto close = row.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return row.substr(open + 1, close - open - 1);
}

bool isTitle(std::string_view row) {
    return row.find(Title) != std::string_view::npos;
}

bool isBlank(std::string_view row) {
    return command(row) == "blank";
}

bool isSectionRow(std::string_view row) {
    static constexpr std::array<std::string_view, 11> commands = {"playtrack",  "looptrack", "mp3 stop",  "nexttracks",
                                                                  "prevtrack",  "saytrack",  "tsaytrack", "mp3volup",
                                                                  "mp3voldown", "gvolup",    "gvoldown"};
    if (row.find_first_not_of(" \t") == std::string_view::npos)
        return true;
    const auto name = command(row);
    return name && std::ranges::find(commands, *name) != commands.end();
}

// Whether row j may be dropped as part of an old section: near a title, separated from it only by
// rows that an old section may be made of.
bool mayBelongToOldSection(const std::vector<std::string>& rows, std::size_t j) {
    const auto between = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (!rows[i].empty() && !isTitle(rows[i]) && !isBlank(rows[i]) && !isSectionRow(rows[i]))
                return false;
        return true;
    };
    for (std::size_t t = 0; t < rows.size(); ++t) {
        if (!isTitle(rows[t]))
            continue;
        if (j < t && isBlank(rows[j]) && between(j + 1, t))
            return true;
        if (j > t && (isBlank(rows[j]) || isSectionRow(rows[j])) && between(t + 1, j))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list = fuzz::bytesOf(data, size);
    const std::string once = keyBindingListBytes(list);
    fuzz::require(keyBindingListBytes(once) == once, "the rewrite is idempotent");
    const std::string section = controlsSectionBytes();
    fuzz::require(once.ends_with(section), "the list ends with the section");
    const std::string_view body = std::string_view(once).substr(0, once.size() - section.size());
    fuzz::require(body.find(Title) == std::string_view::npos, "the list holds exactly one section");

    // The kept rows are the input's rows with only droppable ones left out: a subsequence match.
    const std::vector<std::string> in = splitRows(list, LineEnds::Any);
    const std::vector<std::string> out = splitRows(body, LineEnds::Any);
    std::vector<bool> reach(out.size() + 1, false);
    reach[0] = true;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const bool droppable = in[i].empty() || isTitle(in[i]) || mayBelongToOldSection(in, i);
        std::vector<bool> next(out.size() + 1, false);
        for (std::size_t k = 0; k <= out.size(); ++k) {
            if (!reach[k])
                continue;
            if (droppable)
                next[k] = true;
            if (k < out.size() && in[i] == out[k])
                next[k + 1] = true;
        }
        reach.swap(next);
    }
    fuzz::require(reach[out.size()], "every row of the player's stays, in order");
    return 0;
}
