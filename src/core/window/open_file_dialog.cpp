#include "core/window/open_file_dialog.h"

#include "core/system/native_path.h"

#include <algorithm>
#include <cctype>

namespace jukewright {

std::string OpenFileDialog::showOpen(const FileFilter& filter) {
    std::string name = m_dialogs.openFile(Title, filter, m_folder);
    const bool blank = std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isspace(c) != 0; });
    if (!blank)
        m_folder = pathUtf8(utf8Path(name).parent_path());
    return name;
}

} // namespace jukewright
