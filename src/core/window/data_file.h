#pragma once

#include "core/message.h"
#include "core/window/desktop.h"
#include "core/window/main_window_texts.h"

#include <string>
#include <string_view>

namespace jukewright {

// A text file in the data folder that the window opens with the system's program, and what its
// messages call it.
struct DataFile {
    std::string_view name;
    std::string_view what;
};

inline constexpr DataFile FreeTrackLink{MainWindowTexts::FreeTrackNote, "the link"};
inline constexpr DataFile GuideLink{MainWindowTexts::PlayersGuide, "the link"};
inline constexpr DataFile Readme{MainWindowTexts::PlayersGuide, "the readme"};

// The file's path as the person reads it (in messages and the links' tips).
std::string dataFilePath(const std::string& dataFolder, const DataFile& file);

// Opens the file with the system's program. A missing file and a file that no program opens are
// told apart: the second is no fault of the file's. The messages go to `messages`, which must live as
// long as the window that asked.
void openDataFile(Desktop& desktop, MessageView& messages, const std::string& dataFolder, const DataFile& file);

} // namespace jukewright
