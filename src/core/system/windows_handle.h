#pragma once

// Windows only: what the file reading, writing and questions share.

#include "core/system/file_error.h"

#include <cstdint>
#include <windows.h>

namespace jukewright {

inline std::error_code lastWindowsError() {
    return windowsErrorCode(GetLastError());
}

// A handle closed when it goes out of use.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    std::error_code close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) ? std::error_code{} : lastWindowsError();
    }

private:
    HANDLE m_handle;
};

// File times count 100 ns ticks from 1601.
inline std::uint64_t fileTimeTicks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
inline constexpr std::int64_t UnixEpochTicks = 116'444'736'000'000'000;

} // namespace jukewright
