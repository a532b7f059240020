#include "core/settings/settings_store.h"

#include "core/settings/settings_record.h"
#include "core/settings/settings_records.h"
#include "core/system/code_page.h"
#include "core/system/native_path.h"
#include "core/system/record_file.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace jukewright {

using namespace settings;

namespace {

constexpr const char* CannotWriteText = "Jukewright cannot write its settings file";
constexpr const char* CannotOpenText = "Jukewright cannot open its settings file";
constexpr const char* NothingSavedText = "The stored settings are used, but nothing of this run will be saved.";
constexpr const char* DefaultsUsedText =
    "Jukewright starts with its default settings, and nothing of this run will be saved.";
constexpr const char* LeftAloneText = "Jukewright leaves this file alone";
constexpr const char* NotOursReason = "it holds no Jukewright settings";
constexpr const char* VolumesNotSavedText = "The volumes could not be saved in the settings file";
constexpr const char* SettingsNotSavedText = "The settings could not be saved in the settings file";

std::string describe(const char* what, const std::string& path, const std::string& reason) {
    return std::string(what) + ":\n" + path + " (" + reason + ")";
}

std::int16_t storedVolume(std::int16_t value) {
    return value >= 0 && value <= 100 ? value : DefaultVolume;
}

// Everything LoadSettings takes from the file, gathered before any of it is used.
struct StoredSettings {
    std::vector<std::string> folders;
    std::int16_t language = 0;
    std::int16_t freeTrackOffered = 0;
    std::int16_t mp3Volume = DefaultVolume;
    std::int16_t gameVolume = DefaultVolume;
};

StoredSettings readStoredSettings(RecordFile& file, std::string& reason) {
    const auto record = [&](int number, std::size_t length) {
        return file.readAt(recordOffset(number), length, reason);
    };
    StoredSettings stored;
    // A count outside 0..100 is never written by us: below 0 reads as no folder, above 100 as 100.
    const int count = std::clamp<int>(readInteger(record(ModFolderCountRecord, 2)), 0, AppState::MaxModFolders);
    for (int n = 0; n < count; ++n) {
        // An empty record (a file cut short and grown again reads as zeros) is no folder.
        if (auto folder = readString(record(FirstModFolderRecord + n, RecordLength)); folder && !folder->empty())
            stored.folders.push_back(fromSystemCodePage(*folder));
    }
    stored.language = readInteger(record(LanguageRecord, 2));
    stored.freeTrackOffered = readInteger(record(FreeTrackOfferedRecord, 2));
    // Without the marker the volumes were never stored (a file cut short that start-up could not
    // grow): they are the defaults, as start-up would have written them, not a silent zero.
    if (!markerSaysNew(record(MarkerRecord, 2))) {
        stored.mp3Volume = storedVolume(readInteger(record(Mp3VolumeRecord, 2)));
        stored.gameVolume = storedVolume(readInteger(record(GameVolumeRecord, 2)));
    }
    return stored;
}

// Whether the file at the settings path is one this program wrote: empty, of the full size with its
// marker, or counting 0 to 100 folders in its first record (a file of ours cut short still does).
// Anything else there (a link to a photo or to the player's notes) is someone else's file.
bool holdsOurSettings(RecordFile& file, std::uint64_t size, std::string& reason) {
    if (size == 0)
        return true;
    if (size == FullFileSize && !markerSaysNew(file.readAt(recordOffset(MarkerRecord), 2, reason)))
        return true;
    const std::string count = file.readAt(recordOffset(ModFolderCountRecord), 2, reason);
    return count.size() == 2 && readInteger(count) >= 0 && readInteger(count) <= AppState::MaxModFolders;
}

// A file without the marker gets the default volumes and then the marker, so that a failure in
// between leaves it new and the next start writes the defaults again.
bool initialise(RecordFile& file, std::string& reason) {
    const std::string marker = file.readAt(recordOffset(MarkerRecord), 2, reason);
    if (!reason.empty())
        return false;
    if (!markerSaysNew(marker))
        return true;
    return file.writeAt(recordOffset(Mp3VolumeRecord), integerRecord(DefaultVolume), reason) &&
           file.writeAt(recordOffset(GameVolumeRecord), integerRecord(DefaultVolume), reason) &&
           file.writeAt(recordOffset(MarkerRecord), integerRecord(1), reason);
}

bool writeInteger(RecordFile& file, int record, std::int16_t value, std::string& reason) {
    return file.writeAt(recordOffset(record), integerRecord(value), reason);
}

} // namespace

SettingsStore::SettingsStore(std::string path, MessageView& messages) : m_path(std::move(path)), m_messages(messages) {}

void SettingsStore::stopStoring(const std::string& text) {
    m_canStore = false;
    m_messages.showMessage({text, TitlePlain});
}

// Someone else's file at the settings path is neither read nor written in this run.
bool SettingsStore::leftAlone() {
    std::string reason;
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(fsPath(m_path), error);
    auto file = error ? std::nullopt : RecordFile::openForReading(m_path, reason);
    if (!file || holdsOurSettings(*file, size, reason))
        return false;
    m_canRead = false;
    stopStoring(describe(LeftAloneText, m_path, NotOursReason) + "\n" + DefaultsUsedText);
    return true;
}

void SettingsStore::InitSettingsFile() {
    if (leftAlone())
        return;
    std::string reason;
    auto file = RecordFile::openForUpdate(m_path, reason);
    if (!file) {
        std::string ignored;
        m_canRead = RecordFile::openForReading(m_path, ignored).has_value();
        stopStoring(describe(m_canRead ? CannotWriteText : CannotOpenText, m_path, reason) + "\n" +
                    (m_canRead ? NothingSavedText : DefaultsUsedText));
        return;
    }
    if (!initialise(*file, reason))
        stopStoring(describe(CannotWriteText, m_path, reason) + "\n" + NothingSavedText);
}

void SettingsStore::LoadSettings(AppState& state, ModFolderBox& cboSteamFolder) {
    if (!m_canRead)
        return;
    std::string reason;
    auto file = RecordFile::openForReading(m_path, reason);
    const StoredSettings stored = file ? readStoredSettings(*file, reason) : StoredSettings{};
    if (!reason.empty()) {
        m_canRead = false;
        stopStoring(describe(CannotOpenText, m_path, reason) + "\n" + DefaultsUsedText);
        return;
    }
    state.ModFolderCount = static_cast<std::int16_t>(stored.folders.size());
    for (std::size_t i = 0; i < stored.folders.size(); ++i) {
        state.ModFolders[i] = stored.folders[i];
        cboSteamFolder.appendModFolderRow(stored.folders[i]);
    }
    state.Language = stored.language;
    state.FreeTrackOffered = stored.freeTrackOffered;
    state.Mp3Volume = stored.mp3Volume;
    state.GameVolume = stored.gameVolume;
}

bool SettingsStore::SaveVolumeSettings(const AppState& state) {
    if (!m_canStore)
        return false;
    std::string reason;
    auto file = RecordFile::openForUpdate(m_path, reason);
    const bool saved = file && initialise(*file, reason) &&
                       writeInteger(*file, Mp3VolumeRecord, state.Mp3Volume, reason) &&
                       writeInteger(*file, GameVolumeRecord, state.GameVolume, reason);
    if (!saved)
        m_messages.showMessage({describe(VolumesNotSavedText, m_path, reason), TitlePlain});
    return saved;
}

bool SettingsStore::SaveExitSettings(const AppState& state) {
    if (!m_canStore)
        return false;
    std::string reason;
    auto file = RecordFile::openForUpdate(m_path, reason);
    bool saved = file && initialise(*file, reason);
    std::int16_t stored = 0;
    const int count = std::clamp<int>(state.ModFolderCount, 0, AppState::MaxModFolders);
    for (int i = 0; saved && i < count; ++i) {
        // A folder that does not fit its record is not remembered, nor an empty one; the others keep
        // their order.
        const std::string& folder = state.ModFolders[static_cast<std::size_t>(i)];
        if (auto record = stringRecord(toSystemCodePage(folder)); record && !folder.empty()) {
            saved = file->writeAt(recordOffset(FirstModFolderRecord + stored), *record, reason);
            ++stored;
        }
    }
    saved = saved && writeInteger(*file, LanguageRecord, state.Language, reason) &&
            writeInteger(*file, FreeTrackOfferedRecord, state.FreeTrackOffered, reason) &&
            writeInteger(*file, ModFolderCountRecord, stored, reason);
    if (!saved)
        m_messages.showMessage({describe(SettingsNotSavedText, m_path, reason), TitlePlain});
    return saved;
}

} // namespace jukewright
