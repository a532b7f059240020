#include "core/script/track_copies.h"

#include "core/system/file_ops.h"
#include "core/system/native_path.h"

#include <filesystem>
#include <map>
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
};

using IdentityKey = std::pair<std::uint64_t, std::uint64_t>;

IdentityKey keyOf(const FileIdentity& identity) {
    return {identity.device, identity.inode};
}

// One copy per target, and what each target's old file is to the tracks that are read.
std::vector<PlannedCopy> planCopies(const AppState& state, const std::string& trackFolder,
                                    const std::vector<std::string>& names,
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
        if (const auto identity = regularFileIdentity(plan[k].target, false))
            oldFileAt.emplace(keyOf(*identity), k);
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const auto identity = regularFileIdentity(plan[k].source, true);
        const auto found = identity ? oldFileAt.find(keyOf(*identity)) : oldFileAt.end();
        if (found == oldFileAt.end())
            continue;
        if (found->second == k)
            plan[k].inPlace = true;
        else
            plan[found->second].deferred = true;
    }
    return plan;
}

void noteCopyFailure(FileFailures& failures, const PlannedCopy& copy, const std::string& source,
                     const std::error_code& error) {
    failures.push_back({copy.targetText, "copy of " + displayPath(source) + ": " + describeError(error)});
}

} // namespace

void copyTracks(const AppState& state, SaveView& view, const std::string& trackFolder,
                const std::vector<std::string>& names, FileFailures& failures) {
    std::unordered_map<std::string, std::size_t> copyOfName;
    const std::vector<PlannedCopy> plan = planCopies(state, trackFolder, names, copyOfName);
    std::vector<std::pair<StagedCopy, std::size_t>> waiting;
    for (std::size_t i = 0; i < static_cast<std::size_t>(state.TrackCount); ++i) {
        view.pumpEvents();
        const PlannedCopy& copy = plan[copyOfName.at(names[i])];
        if (copy.track == i && !copy.inPlace && !isCurrentCopy(copy.source, copy.target)) {
            StagedCopy staged;
            std::error_code error = stageCopy(copy.source, copy.target, staged);
            if (!error && copy.deferred)
                waiting.emplace_back(staged, i);
            else if (!error)
                error = commitCopy(staged);
            if (error)
                noteCopyFailure(failures, copy, state.TrackPaths[i], error);
        }
        view.setProgressValue(static_cast<int>(i) + 1, names[i]);
    }
    for (const auto& [staged, i] : waiting)
        if (const auto error = commitCopy(staged))
            noteCopyFailure(failures, plan[copyOfName.at(names[i])], state.TrackPaths[i], error);
}

} // namespace jukewright
