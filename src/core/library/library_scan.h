#pragma once

#include "core/library/music_scan.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace jukewright {

// What a scan has found since it was last asked.
struct ScanNews {
    std::vector<LibraryTrack> tracks;
    ScanCounts counts; // so far
    bool finished = false;
    bool tagsUnreadable = false;
    std::optional<std::string> problem; // the music folder cannot be listed
};

// A scan of the music folder on a thread of its own, so that a window never waits for it. The thread
// calls `newsArrived` when news waits (a few times a second at most, and once when it ends); the
// window then takes the news on its own thread. Dropping the scan stops it.
class LibraryScan {
public:
    using ReaderMaker = std::function<std::unique_ptr<TagReader>()>;

    LibraryScan(std::string folder, ReaderMaker makeReader, std::function<void()> newsArrived);
    ~LibraryScan();
    LibraryScan(const LibraryScan&) = delete;
    LibraryScan& operator=(const LibraryScan&) = delete;

    ScanNews takeNews();

private:
    void run(std::stop_token stop, const std::string& folder, const ReaderMaker& makeReader);
    void tell(bool force);

    std::function<void()> m_newsArrived;
    std::mutex m_mutex;
    ScanNews m_news;
    std::chrono::steady_clock::time_point m_lastTold;
    std::jthread m_thread; // last: it stops and joins before the rest goes
};

} // namespace jukewright
