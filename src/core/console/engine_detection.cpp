#include "core/console/engine_detection.h"

#include "core/system/file_io.h"
#include "core/system/file_queries.h"
#include "core/system/native_path.h"

#include <string_view>

namespace jukewright {

Engine detectEngine(const std::string& modFolder) {
    std::string folder = modFolder;
    while (!folder.empty() && isSeparator(folder.back()))
        folder.pop_back();
    const std::filesystem::path game = fsPath(folder).parent_path();
    for (const std::string_view program : {"xash3d", "xash3d.exe", "libxash.so"})
        if (isRegularFile(game / program))
            return Engine::Xash3D;
    return Engine::GoldSrc;
}

} // namespace jukewright
