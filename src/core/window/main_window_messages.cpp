#include "core/window/main_window_messages.h"

#include "core/system/native_path.h"

namespace jukewright {

std::string skinFailureRow(const std::string& picture, const std::string& reason) {
    return displayPath(picture) + " (" + reason + ")";
}

Message skinFailureMessage(const std::vector<std::string>& rows) {
    std::string text = "These skin pictures could not be loaded:";
    for (const std::string& row : rows)
        text += "\n" + row;
    return {text, TitleError, MessageIcon::Stop};
}

Message layoutNotRememberedMessage(const std::string& preferencesFile) {
    return {"Error: the script layout could not be remembered for the next start in " + displayPath(preferencesFile),
            TitleError, MessageIcon::Stop};
}

} // namespace jukewright
