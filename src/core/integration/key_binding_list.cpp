#include "core/integration/key_binding_list.h"

#include "core/playlist/path_utils.h"
#include "core/system/file_exists.h"
#include "core/system/file_ops.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace jukewright {

namespace {

constexpr std::string_view SectionTitle = "MP3 Player Controls";

// A row whose command is "blank" opens the next section and so ends an old controls section.
bool opensSection(std::string_view row) {
    return row.size() >= 6 && row.substr(1, 5) == "blank";
}

std::vector<std::string_view> rowsToKeep(const std::vector<std::string>& rows) {
    std::vector<std::string_view> kept;
    kept.reserve(rows.size());
    std::size_t i = 0;
    while (i < rows.size()) {
        const std::string& row = rows[i];
        if (row.find(SectionTitle) == std::string::npos) {
            if (!row.empty())
                kept.emplace_back(row);
            ++i;
            continue;
        }
        // The separator above the title, the title and the separator below it, then the section's rows.
        if (!kept.empty())
            kept.pop_back();
        i += 2;
        while (i < rows.size() && !opensSection(rows[i]))
            ++i;
    }
    return kept;
}

std::optional<FileFailure> ensureFolder(const std::string& path) {
    if (FolderExists(path))
        return std::nullopt;
    if (const std::error_code error = createFolder(path))
        return FileFailure{path, describeError(error)};
    return std::nullopt;
}

// Puts the known mod's default list at `listPath`. The copy is written beside the target and renamed,
// so a copy that fails halfway never leaves a truncated list that a later save would take as the mod's.
std::optional<FileFailure> installDefaultList(const std::string& modFolder, const std::string& dataFolder,
                                              const std::string& listPath) {
    const std::string mod = GetFilename(modFolder);
    const auto known = std::ranges::find(KnownMods, mod);
    if (known == KnownMods.end())
        return std::nullopt;
    const std::string defaultPath = dataFolder + "\\kb_act\\" + mod + "\\kb_act.lst";
    if (!FileExists(defaultPath))
        return std::nullopt;
    const FileContent content = readFileBytes(defaultPath);
    if (content.error)
        return FileFailure{defaultPath, describeError(content.error)};
    if (const std::error_code error = replaceFileAtomically(listPath, content.bytes))
        return FileFailure{listPath, describeError(error)};
    return std::nullopt;
}

} // namespace

std::string controlsSectionBytes() {
    std::string bytes;
    for (const KeyBinding& row : ControlsSection)
        bytes.append("\"").append(row.command).append("\"            \"").append(row.caption).append("\"\r\n");
    return bytes;
}

std::string keyBindingListBytes(std::string_view listBytes) {
    const std::vector<std::string> rows = splitRows(listBytes, LineEnds::Any);
    std::string bytes;
    bytes.reserve(listBytes.size() + rows.size() + 600);
    for (const std::string_view row : rowsToKeep(rows))
        bytes.append(row).append("\r\n");
    return bytes.append(controlsSectionBytes());
}

FileFailures WriteKeyBindingList(const std::string& modFolder, const std::string& dataFolder, MessageView& view) {
    // Without the folders there can be no list; a missing folder is the real fault, not a missing list.
    for (const std::string& folder : {modFolder + "\\gfx", modFolder + "\\gfx\\shell"})
        if (auto failure = ensureFolder(folder))
            return {*failure};

    const std::string listPath = modFolder + "\\gfx\\shell\\kb_act.lst";
    if (!FileExists(listPath)) {
        if (auto failure = installDefaultList(modFolder, dataFolder, listPath))
            return {*failure};
    }
    if (!FileExists(listPath)) {
        view.showMessage({KeyBindingListNotFoundText, TitlePlain, MessageIcon::None});
        return {};
    }

    const FileContent list = readFileBytes(listPath);
    // A list that could not be read whole is left alone: rewriting it would lose the player's rows.
    if (list.error)
        return {{listPath, describeError(list.error)}};
    if (const std::error_code error = replaceFileAtomically(listPath, keyBindingListBytes(list.bytes)))
        return {{listPath, describeError(error)}};
    return {};
}

} // namespace jukewright
