#pragma once

#include "core/skin/skin_layout.h"

#include <QString>
#include <string>
#include <vector>

namespace jukewright::gui {

class PictureButton;

// The main window's twelve skin controls, in the order of the skin's pictures.
using SkinControls = SkinTable<PictureButton*>;

// The folder of one language's skin inside the data folder.
QString skinFolder(const QString& dataFolder, const QString& language);

// Loads the twelve pictures of background/<language>/ into their controls and lays the button row out
// by the pictures' sizes. A picture that cannot be read leaves its control empty at the designed size;
// each such picture is returned as one row of the skin message.
std::vector<std::string> LoadSkin(const SkinControls& controls, const QString& dataFolder, const QString& language);

} // namespace jukewright::gui
