#pragma once

#include "core/script/script_layout.h"

#include <QString>

namespace jukewright::gui {

// The window's choices that settings.jst keeps no record of, in an ini file of their own beside it:
// that file's records are fixed, and other programs read it.
class WindowPreferences {
public:
    explicit WindowPreferences(QString filePath);

    // Automatic (see ScriptLayout) unless the player asked for parts in every folder; a file that is
    // missing or cannot be read gives the default.
    ScriptLayout scriptLayout() const;
    // False when the choice could not be written, or when the file there is not one of ours (it is
    // then left as it is): the choice then holds for this run only.
    bool setScriptLayout(ScriptLayout layout);

    const QString& filePath() const { return m_filePath; }

private:
    QString m_filePath;
};

} // namespace jukewright::gui
