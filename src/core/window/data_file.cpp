#include "core/window/data_file.h"

#include "core/system/file_queries.h"
#include "core/system/native_path.h"

namespace jukewright {

std::string dataFilePath(const std::string& dataFolder, const DataFile& file) {
    return displayPath(joinPath(dataFolder, file.name));
}

void openDataFile(Desktop& desktop, MessageView& messages, const std::string& dataFolder, const DataFile& file) {
    const std::string path = joinPath(dataFolder, file.name);
    const std::string what(file.what);
    const std::string shown = displayPath(path);
    if (!isFile(path)) {
        messages.showMessage({"Error: " + what + " could not be opened: " + shown, TitleError, MessageIcon::Stop});
        return;
    }
    desktop.openTextFile(path, [&messages, what, shown] {
        messages.showMessage({"Error: no program could open " + what + ": " + shown, TitleError, MessageIcon::Stop});
    });
}

} // namespace jukewright
