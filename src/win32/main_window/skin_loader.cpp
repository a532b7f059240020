#include "win32/main_window/skin_loader.h"

#include "core/system/native_path.h"
#include "core/window/main_window_messages.h"
#include "core/window/main_window_texts.h"

namespace jukewright::win32 {

LoadedSkin loadSkin(const std::string& dataFolder, std::int16_t language) {
    const std::filesystem::path folder = utf8Path(dataFolder) / "background" / skinFolder(language);
    LoadedSkin skin;
    SkinTable<std::optional<TwipsSize>> sizes;
    for (std::size_t i = 0; i < SkinPartCount; ++i) {
        const std::string path = pathUtf8(folder / SkinPictures[i].file);
        std::string error;
        skin.pictures[i] = loadPictureFile(path, error);
        if (!skin.pictures[i]) {
            skin.failures.push_back(skinFailureRow(path, error));
            continue;
        }
        sizes[i] = TwipsSize{pixelsToTwips(skin.pictures[i].size.cx), pixelsToTwips(skin.pictures[i].size.cy)};
    }
    skin.layout = packSkin(sizes);
    return skin;
}

} // namespace jukewright::win32
