#pragma once

#include "core/script_layout.h"

#include <string>

namespace jukewright {

// The window's choices that settings.jst keeps no record of, in preferences.ini beside it: that
// file's records are fixed, and other programs read it. The file holds one section and one key:
//   [script]
//   xash3dCompatible=true
// A file there that holds anything else, is too big, is no regular file or is a link is someone
// else's: it is neither read nor written.
class Preferences {
public:
    explicit Preferences(std::string filePath);

    // Automatic (see ScriptLayout) unless the player asked for parts in every folder; a file that is
    // missing, cannot be read or is not ours gives the default.
    ScriptLayout scriptLayout() const;
    // False when the choice could not be written, or when the file there is not one of ours (it is
    // then left as it is): the choice then holds for this run only.
    bool setScriptLayout(ScriptLayout layout);

    const std::string& filePath() const { return m_filePath; }

private:
    std::string m_filePath;
};

} // namespace jukewright
