#include "core/jukebox/track_copies.h"

#include "core/jukebox/track_folder_files.h"
#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace fs = std::filesystem;

namespace jukewright {

namespace {

struct PlannedCopy {
    std::size_t track = 0; // the first track with this target
    fs::path source;
    fs::path target;
    std::string targetText;
    bool inPlace = false;  // the source is the copy itself
    bool deferred = false; // the file now at the target is another track's source
    std::optional<FileStamp> sourceStamp = std::nullopt;
};

using IdentityKey = std::pair<std::uint64_t, std::uint64_t>;

IdentityKey keyOf(const FileIdentity& identity) {
    return {identity.device, identity.inode};
}

// One copy per target, and what each target's old file is to the tracks that are read.
std::vector<PlannedCopy> planCopies(const AppState& state, const std::string& trackFolder,
                                    const std::vector<std::string>& names, const TrackFolderFiles& found,
                                    std::unordered_map<std::string, std::size_t>& copyOfName) {
    std::vector<PlannedCopy> plan;
    for (std::size_t i = 0; i < static_cast<std::size_t>(state.TrackCount); ++i) {
        if (!copyOfName.emplace(names[i], plan.size()).second)
            continue;
        const std::string target = trackFolder + "\\" + names[i];
        plan.push_back({i, sourceFsPath(state.TrackPaths[i]), fsPath(target), target});
    }
    std::map<IdentityKey, std::size_t> oldFileAt;
    for (std::size_t k = 0; k < plan.size(); ++k)
        if (const auto identity = found.fileAt(names[plan[k].track]))
            oldFileAt.emplace(keyOf(*identity), k);
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const auto source = regularFileFacts(plan[k].source, true);
        if (source)
            plan[k].sourceStamp = source->stamp;
        const auto held = source ? oldFileAt.find(keyOf(source->identity)) : oldFileAt.end();
        if (held == oldFileAt.end())
            continue;
        if (held->second == k)
            plan[k].inPlace = true;
        else
            plan[held->second].deferred = true;
    }
    return plan;
}

void noteCopyFailure(FileFailures& failures, const PlannedCopy& copy, const std::string& source,
                     const std::error_code& error) {
    failures.push_back({copy.targetText, "copy of " + displayPath(source) + ": " + describeError(error)});
}

// The list after the save: the copies of earlier saves that no copy of this save replaced, then this
// save's copies. A track that is its own copy is the player's file and stays off the list.
class CopyListUpdate {
public:
    explicit CopyListUpdate(const TrackFolderFiles& found) : m_records(found.ourCopies()) {
        for (std::size_t k = 0; k < m_records.size(); ++k)
            m_at.emplace(m_records[k].name, k);
    }
    void drop(const std::string& name) {
        if (const auto found = m_at.find(name); found != m_at.end())
            m_records[found->second].name.clear();
    }
    void add(const std::string& name, const FileStamp& stamp, const std::string& source) {
        drop(name);
        m_records.push_back({name, stamp, source});
    }
    void copied(const std::string& name, const fs::path& target, const std::string& source) {
        if (const auto stamp = regularFileStamp(target, false))
            add(name, *stamp, source);
        else
            drop(name);
    }
    std::vector<CopyRecord> take() {
        std::erase_if(m_records, [](const CopyRecord& record) { return record.name.empty(); });
        return std::move(m_records);
    }

private:
    std::vector<CopyRecord> m_records;
    std::unordered_map<std::string, std::size_t> m_at;
};

// The listed copy at the target already holds this very source as it is now.
bool isCurrent(const CopyRecord* listed, const PlannedCopy& copy, const std::string& source) {
    return listed && listed->source == source && copy.sourceStamp == listed->stamp;
}

// The list as it will be once every planned copy is made: a copy carries its source's size and time.
std::vector<CopyRecord> listWhenCopied(const AppState& state, const std::vector<std::string>& names,
                                       const std::vector<PlannedCopy>& plan, const TrackFolderFiles& found) {
    CopyListUpdate list(found);
    for (const PlannedCopy& copy : plan) {
        const std::string& name = names[copy.track];
        const std::string source = listedSource(state.TrackPaths[copy.track]);
        if (copy.inPlace)
            list.drop(name);
        else if (copy.sourceStamp && !isCurrent(found.ours(name), copy, source))
            list.add(name, *copy.sourceStamp, source);
    }
    return list.take();
}

} // namespace

std::vector<CopyRecord> copyTracks(const AppState& state, SaveView& view, const std::string& modFolder,
                                   const std::string& trackFolder, const std::vector<std::string>& names,
                                   const TrackFolderFiles& found, FileFailures& failures) {
    std::unordered_map<std::string, std::size_t> copyOfName;
    const std::vector<PlannedCopy> plan = planCopies(state, trackFolder, names, found, copyOfName);
    // Listed before the first copy, so that a save killed among its copies leaves each finished copy
    // listed as ours rather than counted as the player's (and its name taken) from then on. The list
    // written after the copies says what was really made; a failure is reported by that write.
    writeCopyList(modFolder, listWhenCopied(state, names, plan, found));
    CopyListUpdate list(found);
    std::vector<std::pair<StagedCopy, std::size_t>> waiting;
    const auto failed = [&](std::size_t i, const std::error_code& error) {
        noteCopyFailure(failures, plan[copyOfName.at(names[i])], state.TrackPaths[i], error);
    };
    for (std::size_t i = 0; i < static_cast<std::size_t>(state.TrackCount); ++i) {
        view.pumpEvents();
        const PlannedCopy& copy = plan[copyOfName.at(names[i])];
        const std::string source = copy.track == i ? listedSource(state.TrackPaths[i]) : std::string();
        if (copy.track == i && copy.inPlace) {
            list.drop(names[i]);
        } else if (copy.track == i && !isCurrent(found.ours(names[i]), copy, source)) {
            StagedCopy staged;
            std::error_code error = stageCopy(copy.source, copy.target, staged);
            if (!error && copy.deferred)
                waiting.emplace_back(staged, i);
            else if (!error && !(error = commitCopy(staged)))
                list.copied(names[i], copy.target, source);
            if (error)
                failed(i, error);
        }
        view.setProgressValue(static_cast<int>(i) + 1, names[i]);
    }
    for (const auto& [staged, i] : waiting) {
        if (const auto error = commitCopy(staged))
            failed(i, error);
        else
            list.copied(names[i], staged.target, listedSource(state.TrackPaths[i]));
    }
    return list.take();
}

} // namespace jukewright
