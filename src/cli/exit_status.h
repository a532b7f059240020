#pragma once

namespace jukewright::cli {

inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

} // namespace jukewright::cli
