#pragma once

#include "core/message.h"

#include <string>
#include <string_view>

namespace jukewright {

// The stages of the progress window; the current one is shown highlighted.
enum class SaveStage { GeneratingScript, CopyingFiles, Complete };

// What a save needs of the windows: the mod-folder box, the progress window, message boxes and
// letting pending window events run between the steps.
class SaveView : public MessageView {
public:
    virtual void pumpEvents() = 0;
    virtual void hideHoverImages() = 0;

    virtual std::string modFolderText() const = 0;
    virtual void setModFolderText(const std::string& text) = 0;
    virtual void setModFolderEnabled(bool enabled) = 0;
    virtual void addModFolderToList(const std::string& folder) = 0;

    virtual void setProgressStage(SaveStage stage) = 0;
    virtual void showProgressWindow() = 0;
    virtual void setProgressCaption(const std::string& caption) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    // `copiedName` is the file just copied into "mp3s".
    virtual void setProgressValue(int value, std::string_view copiedName) = 0;
};

} // namespace jukewright
