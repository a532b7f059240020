#include "core/window/save_guard.h"

#include <utility>

namespace jukewright {

bool SaveGuard::allows(WindowCommand command) const {
    if (!m_saving)
        return true;
    switch (command) {
    case WindowCommand::Language:
    case WindowCommand::MediaLibrary:
    case WindowCommand::OpenDataFile:
        return true;
    default:
        return false;
    }
}

bool SaveGuard::holdFiles(const std::vector<std::string>& files) {
    if (!m_saving)
        return false;
    m_after.files.insert(m_after.files.end(), files.begin(), files.end());
    return true;
}

bool SaveGuard::holdClose() {
    if (m_saving)
        m_after.close = true;
    return m_saving;
}

void SaveGuard::saveStarts() {
    m_saving = true;
}

SaveGuard::AfterSave SaveGuard::saveEnds() {
    m_saving = false;
    AfterSave after = std::exchange(m_after, {});
    // A window that closes adds nothing more.
    if (after.close)
        after.files.clear();
    return after;
}

} // namespace jukewright
