#include "core/playlist/playlist_file.h"

#include "core/playlist/track_list.h"
#include "core/system/code_page.h"
#include "core/system/native_path.h"
#include "core/system/path_text.h"
#include "core/system/text_rows.h"

namespace jukewright {

namespace {

// The file's name as the person chose it; a bare name has no folder part to drop.
std::string nameForMessage(const std::string& s_path) {
    const std::string trimmed = trimSpaces(s_path);
    const std::string name = GetFilename(trimmed);
    return name.empty() ? trimmed : name;
}

} // namespace

std::optional<std::vector<std::string>> readPlaylistRows(PlaylistView& view, const std::string& s_path) {
    const FileContent content = readNativeFileBytes(sourceFsPath(s_path));
    if (content.error) {
        view.showMessage({PlaylistNotOpenedText + nameForMessage(s_path), TitleError, MessageIcon::Stop});
        return std::nullopt;
    }
    return splitRows(textFromFile(content.bytes), LineEnds::System);
}

} // namespace jukewright
