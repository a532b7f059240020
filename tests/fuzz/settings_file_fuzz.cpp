// The settings file as it may be found on disk: the input gives its first records, and the input's
// last 1,024 bytes (when it is longer) give the records of the language, the flag, the volumes and the
// marker. Start-up never fails on it, loads only what fits the state, never shortens the file, and
// what a shutdown then stores loads back the same; a file that is not a settings file of ours is
// neither loaded nor written.
#include "core/settings/settings_store.h"
#include "fuzz_support.h"

#include <vector>

using namespace jukewright;

namespace {

constexpr std::size_t TailOffset = 1535872; // the language record, the first of the last eight

struct Rows : ModFolderBox {
    void appendModFolderRow(const std::string& folder) override { rows.push_back(folder); }
    std::vector<std::string> rows;
};

struct Quiet : MessageView {
    void showMessage(const Message&) override {}
};

void writeSettings(const std::filesystem::path& file, std::string_view input) {
    const std::size_t tail = input.size() > 1024 ? 1024 : 0;
    std::string bytes(input.substr(0, input.size() - tail));
    if (tail > 0) {
        bytes.resize(std::max(bytes.size(), TailOffset), '\0');
        bytes.replace(TailOffset, tail, input.substr(input.size() - tail));
    }
    fuzz::writeFile(file, bytes);
}

void requireLoadedStateFits(const AppState& state, const Rows& box) {
    fuzz::require(state.ModFolderCount >= 0 && state.ModFolderCount <= AppState::MaxModFolders,
                  "the folder count stays in the table");
    fuzz::require(box.rows.size() == static_cast<std::size_t>(state.ModFolderCount), "one row per folder");
    for (int i = 0; i < state.ModFolderCount; ++i) {
        const std::string& folder = state.ModFolders[static_cast<std::size_t>(i)];
        fuzz::require(folder.size() <= 126 && folder.find('\0') == std::string::npos, "a folder fits its record");
    }
    fuzz::require(state.Mp3Volume >= 0 && state.Mp3Volume <= 100, "the MP3 volume is in range");
    fuzz::require(state.GameVolume >= 0 && state.GameVolume <= 100, "the game volume is in range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto folder = fuzz::fuzzFolder("settings-" + std::to_string(::getpid()));
    const auto file = folder / "settings.jst";
    writeSettings(file, fuzz::bytesOf(data, size));
    const auto sizeBefore = std::filesystem::file_size(file);

    Quiet quiet;
    AppState state;
    Rows box;
    SettingsStore store(file.string(), quiet);
    store.InitSettingsFile();
    store.LoadSettings(state, box);
    requireLoadedStateFits(state, box);
    fuzz::require(std::filesystem::file_size(file) >= sizeBefore, "the file is never shortened");

    state.Language = 2;
    if (!store.canStore()) {
        // Not a settings file of ours: nothing was loaded and nothing is ever written to it.
        const std::string found = fuzz::readFile(file);
        fuzz::require(box.rows.empty() && !store.SaveExitSettings(state),
                      "a file not ours is neither loaded nor stored");
        fuzz::require(fuzz::readFile(file) == found, "a file not ours keeps its bytes");
        return 0;
    }
    fuzz::require(store.SaveExitSettings(state), "a writable file of ours stores the settings");
    AppState again;
    Rows againBox;
    SettingsStore(file.string(), quiet).LoadSettings(again, againBox);
    fuzz::require(againBox.rows == box.rows, "the stored folders load back in order");
    fuzz::require(again.Language == 2 && again.Mp3Volume == state.Mp3Volume, "the stored values load back");
    return 0;
}
