#include "cli/cli_items.h"

#include "core/console/engine_detection.h"
#include "core/playlist/playlist_import.h"
#include "core/playlist/track_list.h"
#include "core/script/script_text.h"
#include "core/steam/mod_folders.h"
#include "core/steam/steam_libraries.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <filesystem>
#include <iostream>

namespace jukewright::cli {

std::string absoluteItem(const std::string& item) {
    if (item.empty() || isAbsolutePathText(item))
        return item;
    std::error_code error;
    std::string result = pathUtf8(std::filesystem::current_path(error));
    result += static_cast<char>(std::filesystem::path::preferred_separator);
    return result + item;
}

std::string modFolderItem(const std::string& text) {
    const ModFolderChoice choice = chooseModFolder(text, systemSteamFolders());
    for (const std::string& notice : choice.notices)
        std::cerr << notice << '\n';
    return absoluteItem(choice.folder);
}

std::string existingModFolder(const std::string& text) {
    const std::string folder = modFolderItem(text);
    if (isExistingFolderText(folder))
        return folder;
    std::cerr << "Mod Folder can not be found, check you have typed the right path: " << text << '\n';
    return {};
}

void addItems(AppState& state, PlaylistView& view, const std::vector<std::string>& items) {
    PlaylistFull full(view);
    for (const std::string& item : items) {
        const std::string path = absoluteItem(item);
        if (playlistKindOf(path) == PlaylistKind::None)
            addTrackFile(state, view, path, full);
        else
            importPlaylist(state, view, path, full);
        // The remaining items cannot be added either, and the person has been told once.
        if (full.refusedAny())
            return;
    }
}

namespace {

CLI::Option* addVolumeOption(CLI::App& command, const std::string& name, int& value, const std::string& description) {
    // CLI11 would also read octal and hexadecimal numbers; volumes are decimal only.
    auto decimalVolume = CLI::Validator(
        [](std::string& text) -> std::string {
            const bool digits =
                !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(text) > 100)
                return "must be a whole number from 0 to 100, got " + text;
            text = std::to_string(std::stoi(text));
            return {};
        },
        "0..100");
    return command.add_option(name, value, description)->transform(decimalVolume)->default_val(value);
}

// "0, 2, 5, ... 95 and 100".
std::string ladderSteps() {
    std::string text;
    for (std::size_t i = 0; i < ScriptVolumeSteps.size(); ++i) {
        if (i > 0)
            text += i + 1 == ScriptVolumeSteps.size() ? " and " : ", ";
        text += std::to_string(ScriptVolumeSteps[i]);
    }
    return text;
}

// The script writes such a volume as it is, but it names no alias: the game keeps its own volume and
// the keys that step it have nothing to step from.
void noteOffLadderVolume(const std::string& volumeName, int volume) {
    if (isScriptVolumeStep(volume))
        return;
    std::cerr << "Notice: the " << volumeName << " " << volume
              << " is not a step of the volume ladder, so the game keeps its own " << volumeName << " for it and the "
              << volumeName << " keys do nothing with it. The steps are " << ladderSteps() << ".\n";
}

} // namespace

void addPlaylistOptions(CLI::App& command, PlaylistOptions& options) {
    addVolumeOption(command, "--mp3-volume", options.mp3Volume, "Initial MP3 volume, 0 to 100");
    addVolumeOption(command, "--game-volume", options.gameVolume, "Initial game volume, 0 to 100");
    command.add_option("ITEM", options.items, "MP3 files, or .pls, .m3u and .m3u8 playlists to import");
}

void addModOption(CLI::App& command, std::string& modFolder) {
    command
        .add_option("--mod", modFolder,
                    "The mod folder, for example .../Half-Life/cstrike, or the name of an installed mod (see mods)")
        ->required();
}

void addEngineOption(CLI::App& command, EngineOption& option, const std::string& description) {
    // The check also spells the name as listed, whatever case was typed.
    command.add_option("--engine", option.name, description)
        ->transform(CLI::IsMember({"auto", "goldsrc", "xash3d"}, CLI::ignore_case))
        ->option_text("auto|goldsrc|xash3d");
}

Engine EngineOption::engineFor(const std::string& modFolder) const {
    if (automatic())
        return detectEngine(modFolder);
    return name == "xash3d" ? Engine::Xash3D : Engine::GoldSrc;
}

ScriptLayout EngineOption::layout() const {
    if (automatic())
        return ScriptLayout::Automatic;
    return name == "xash3d" ? ScriptLayout::Parts : ScriptLayout::SingleFile;
}

std::unique_ptr<AppState> playlistState(const PlaylistOptions& options, PlaylistView& view) {
    auto state = std::make_unique<AppState>();
    state->Mp3Volume = static_cast<std::int16_t>(options.mp3Volume);
    state->GameVolume = static_cast<std::int16_t>(options.gameVolume);
    noteOffLadderVolume("MP3 volume", options.mp3Volume);
    noteOffLadderVolume("game volume", options.gameVolume);
    addItems(*state, view, options.items);
    return state;
}

void TerminalPlaylistView::showMessage(const Message& message) {
    std::cerr << message.text << '\n';
}

} // namespace jukewright::cli
