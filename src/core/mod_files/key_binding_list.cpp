#include "core/mod_files/key_binding_list.h"

#include "core/mod_files/file_backup.h"
#include "core/mod_files/player_file_edit.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"
#include "core/system/path_text.h"
#include "core/system/text_rows.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace jukewright {

namespace {

constexpr std::string_view SectionTitle = "MP3 Player Controls";

// The section's own commands: rows of an old section that follow its title.
constexpr std::array<std::string_view, 11> SectionCommands = {"playtrack",  "looptrack", "mp3 stop",  "nexttracks",
                                                              "prevtrack",  "saytrack",  "tsaytrack", "mp3volup",
                                                              "mp3voldown", "gvolup",    "gvoldown"};

// The text between a row's first two double quotes; nothing when it has fewer than two.
std::optional<std::string_view> commandOf(std::string_view row) {
    const std::size_t open = row.find('"');
    const std::size_t close = open == std::string_view::npos ? open : row.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return row.substr(open + 1, close - open - 1);
}

bool isBlankRow(std::string_view row) {
    return commandOf(row) == "blank";
}

// A row an old section is made of after its title: one of its commands, or nothing but blanks.
bool belongsToOldSection(std::string_view row) {
    if (row.find_first_not_of(" \t") == std::string_view::npos)
        return true;
    const auto command = commandOf(row);
    return command && std::ranges::find(SectionCommands, *command) != SectionCommands.end();
}

// Every row but empty ones and an old controls section: its title row, the "blank" separators just
// above and below it, and the section's own rows after them. The player's other rows stay, wherever
// they stand.
std::vector<std::string_view> rowsToKeep(const std::vector<std::string>& rows) {
    std::vector<std::string_view> kept;
    kept.reserve(rows.size());
    std::size_t i = 0;
    while (i < rows.size()) {
        const std::string& row = rows[i++];
        if (row.find(SectionTitle) == std::string::npos) {
            if (!row.empty())
                kept.emplace_back(row);
            continue;
        }
        if (!kept.empty() && isBlankRow(kept.back()))
            kept.pop_back();
        if (i < rows.size() && isBlankRow(rows[i]))
            ++i;
        while (i < rows.size() && belongsToOldSection(rows[i]))
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

std::string keyBindingListWithoutSection(std::string_view listBytes) {
    const std::vector<std::string> rows = splitRows(listBytes, LineEnds::Any);
    std::string bytes;
    bytes.reserve(listBytes.size() + rows.size() + 600);
    for (const std::string_view row : rowsToKeep(rows))
        bytes.append(row).append("\r\n");
    return bytes;
}

std::string keyBindingListBytes(std::string_view listBytes) {
    return keyBindingListWithoutSection(listBytes).append(controlsSectionBytes());
}

int controlsSectionCount(std::string_view listBytes) {
    const std::vector<std::string> rows = splitRows(listBytes, LineEnds::Any);
    return static_cast<int>(std::ranges::count_if(
        rows, [](const std::string& row) { return row.find(SectionTitle) != std::string::npos; }));
}

bool isWideTextList(std::string_view listBytes) {
    return listBytes.starts_with("\xFF\xFE") || listBytes.starts_with("\xFE\xFF") ||
           listBytes.find('\0') != std::string_view::npos;
}

FileFailures WriteKeyBindingList(const std::string& modFolder, const std::string& dataFolder, MessageView& view) {
    // Without the folders there can be no list; a missing folder is the real fault, not a missing list.
    for (const std::string& folder : {modFolder + "\\gfx", modFolder + "\\gfx\\shell"})
        if (auto failure = ensureFolder(folder))
            return {*failure};

    const std::string listPath = modFolder + "\\gfx\\shell\\kb_act.lst";
    const bool playersList = FileExists(listPath);
    if (!playersList) {
        // A folder or a fifo under the list's name is the fault to name, not a missing list.
        if (const std::error_code error = replaceableTarget(fsPath(listPath)))
            return {{listPath, describeError(error)}};
        if (auto failure = installDefaultList(modFolder, dataFolder, listPath))
            return {*failure};
    }
    if (!FileExists(listPath)) {
        view.showMessage({KeyBindingListNotFoundText, TitlePlain, MessageIcon::None});
        return {};
    }

    const EditedFile edited = editPlayersFile(
        listPath,
        [](std::string_view bytes) {
            if (isWideTextList(bytes))
                return FileEdit{{}, WideTextListReason};
            // A list that already ends with the section is left untouched, read-only or not.
            return FileEdit{keyBindingListBytes(bytes), {}};
        },
        // Our default list needs no way back; the player's own does, before its first change.
        playersList);
    if (edited.failure)
        return {*edited.failure};
    return {};
}

} // namespace jukewright
