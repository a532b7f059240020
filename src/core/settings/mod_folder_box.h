#pragma once

#include <string>

namespace jukewright {

// The main window's mod-folder box (cboSteamFolder) as the settings store fills it at start-up.
class ModFolderBox {
public:
    virtual ~ModFolderBox() = default;
    virtual void appendModFolderRow(const std::string& folder) = 0;
};

} // namespace jukewright
