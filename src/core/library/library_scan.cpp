#include "core/library/library_scan.h"

#include <utility>

namespace jukewright {

namespace {

// Often enough that the lists grow while the person watches, seldom enough that redrawing them
// costs the window nothing.
constexpr auto NewsInterval = std::chrono::milliseconds(150);

} // namespace

LibraryScan::LibraryScan(std::string folder, ReaderMaker makeReader, std::function<void()> newsArrived)
    : m_newsArrived(std::move(newsArrived)),
      m_thread([this, folder = std::move(folder), makeReader = std::move(makeReader)](std::stop_token stop) {
          run(stop, folder, makeReader);
      }) {}

LibraryScan::~LibraryScan() {
    m_thread.request_stop();
    m_thread.join();
}

ScanNews LibraryScan::takeNews() {
    const std::lock_guard lock(m_mutex);
    ScanNews news;
    news.tracks.swap(m_news.tracks);
    news.counts = m_news.counts;
    news.finished = m_news.finished;
    news.tagsUnreadable = m_news.tagsUnreadable;
    news.problem = m_news.problem;
    return news;
}

void LibraryScan::run(std::stop_token stop, const std::string& folder, const ReaderMaker& makeReader) {
    if (std::optional<std::string> problem = musicFolderProblem(folder)) {
        const std::lock_guard lock(m_mutex);
        m_news.problem = std::move(problem);
    } else {
        const std::unique_ptr<TagReader> reader = makeReader();
        const auto found = [&](LibraryTrack track, const ScanCounts& counts) {
            {
                const std::lock_guard lock(m_mutex);
                m_news.tracks.push_back(std::move(track));
                m_news.counts = counts;
                m_news.tagsUnreadable = !reader->works();
            }
            tell(false);
        };
        const ScanCounts counts = scanMusicFolder(folder, *reader, found, stop);
        const std::lock_guard lock(m_mutex);
        m_news.counts = counts;
    }
    // A scan stopped because it is being dropped has no one left to tell.
    if (!stop.stop_requested())
        tell(true);
}

void LibraryScan::tell(bool finished) {
    const auto now = std::chrono::steady_clock::now();
    {
        const std::lock_guard lock(m_mutex);
        m_news.finished = finished;
        if (!finished && now - m_lastTold < NewsInterval)
            return;
        m_lastTold = now;
    }
    m_newsArrived();
}

} // namespace jukewright
