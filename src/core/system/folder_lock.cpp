#include "core/system/folder_lock.h"

#include "core/system/file_io.h"
#include "core/system/file_queries.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace jukewright {

namespace {

constexpr auto DefaultWait = 5s;
constexpr auto RetryEvery = 50ms;

} // namespace

std::error_code FolderLock::busyError() {
    return std::make_error_code(std::errc::resource_unavailable_try_again);
}

std::string unlockedFolderText(const std::error_code& error) {
    return std::string("The mod folder could not be locked (") + describeError(error) +
           "), so nothing keeps another save or remove from changing it at the same time. This one goes on.";
}

std::chrono::milliseconds folderLockWait() {
    const char* text = std::getenv("JUKEWRIGHT_LOCK_WAIT_SECONDS");
    if (!text)
        return DefaultWait;
    const std::string_view digits(text);
    double seconds = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seconds);
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(seconds) || seconds < 0 ||
        seconds > 3600)
        return DefaultWait;
    return std::chrono::milliseconds(std::lround(seconds * 1000));
}

FolderLock::FolderLock(const fs::path& folder, std::chrono::milliseconds wait,
                       const std::function<void()>& whileWaiting) {
    m_error = openLockFile(folder);
    if (m_error)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const std::error_code error = tryLock();
        if (!error) {
            m_state = State::Held;
            return;
        }
        if (error != busyError()) {
            m_error = error;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            m_state = State::Busy;
            return;
        }
        if (whileWaiting)
            whileWaiting();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(RetryEvery, deadline - now));
    }
}

} // namespace jukewright
