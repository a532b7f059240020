#pragma once

#include "core/file_failure.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace jukewright {

// What an edit makes of a file's bytes: its new bytes (the same bytes leave the file untouched), or
// the reason it must stay as it is.
struct FileEdit {
    std::string bytes;
    std::string refusal;
};

struct EditedFile {
    std::optional<FileFailure> failure;
    bool changed = false;
};

// One change to an existing file of the player's, in the order that loses nothing: read it whole (a
// file that cannot be read whole is left alone, as rewriting it would lose what was not read),
// change it, check that it may be replaced, keep its backup before the first change (with
// `keepsBackup`), and replace it atomically. The failure names the file, or its backup, and why.
EditedFile editPlayersFile(const std::string& path, const std::function<FileEdit(std::string_view)>& edit,
                           bool keepsBackup = true);

} // namespace jukewright
