#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukewright {

// One entry of a Valve KeyValues text (the format of Steam's .vdf files): a key with either a text
// value or a block of entries.
struct VdfNode {
    std::string key;
    std::string value;
    std::vector<VdfNode> children;
    bool isBlock = false;

    // The first entry of the block whose key matches, ignoring ASCII case (Steam has written its keys
    // both as "LibraryFolders" and as "libraryfolders"), or null.
    const VdfNode* child(std::string_view key) const;
};

// Where and why a text could not be read.
struct VdfError {
    int line = 0;
    std::string reason;
};

struct VdfDocument {
    std::vector<VdfNode> entries;
    std::optional<VdfError> error;

    const VdfNode* entry(std::string_view key) const;
};

// Reads a KeyValues text: quoted texts (with the escapes \\ and \"), unquoted tokens, nested blocks
// in braces and "//" comments to the end of the line. A broken text gives an error naming its line
// and no entries; nothing in the text can make the reader fail otherwise.
VdfDocument parseVdf(std::string_view text);

} // namespace jukewright
