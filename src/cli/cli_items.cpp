#include "cli/cli_items.h"

#include "core/playlist/track_list.h"
#include "core/system/native_path.h"

#include <filesystem>
#include <iostream>

namespace jukewright::cli {

std::string absoluteItem(const std::string& item) {
    if (item.empty() || isAbsolutePathText(item))
        return item;
    std::error_code error;
    const std::u8string folder = std::filesystem::current_path(error).u8string();
    std::string result(folder.begin(), folder.end());
    result += static_cast<char>(std::filesystem::path::preferred_separator);
    return result + item;
}

void addItems(AppState& state, PlaylistView& view, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        // One message for a full list is enough: the remaining items cannot be added either.
        if (state.TrackCount >= AppState::MaxTracks) {
            PlaylistFull(view).noteRefused();
            return;
        }
        addTrackCommand(state, view, absoluteItem(item));
    }
}

CLI::Option* addVolumeOption(CLI::App& command, const std::string& name, int& value, const std::string& description) {
    // CLI11 would also read octal and hexadecimal numbers; volumes are decimal only.
    auto decimalVolume = CLI::Validator(
        [](std::string& text) -> std::string {
            const bool digits = !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(text) > 100)
                return "must be a whole number from 0 to 100, got " + text;
            return {};
        },
        "0..100");
    return command.add_option(name, value, description)->check(decimalVolume)->default_val(value);
}

void TerminalPlaylistView::showMessage(const Message& message) { std::cerr << message.text << '\n'; }

} // namespace jukewright::cli
