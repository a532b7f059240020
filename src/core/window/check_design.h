#pragma once

#include "core/jukebox/check_report.h"
#include "core/system/native_path.h"
#include "core/window/dialog_design.h"

#include <array>
#include <string>

namespace jukewright {

// The Check Jukebox window: the mod folder checked, one row per result and a line that sums them
// up. Read only: Close, the default button, ends it.
struct CheckDesign {
    static constexpr WindowDesign Window{"frmCheck", "Jukewright - Check Jukebox", {7200, 4560}};

    static constexpr ControlDesign lblFolder{"lblFolder", ControlKind::Label, "", {120, 120, 6960, 255}};
    static constexpr ControlDesign lstResults{"lstResults", ControlKind::ListBox, "", {120, 480, 6960, 3000}};
    static constexpr ControlDesign lblSummary{"lblSummary", ControlKind::Label, "", {120, 3600, 6960, 375}};
    static constexpr ControlDesign cmdClose{"cmdClose", ControlKind::Button, "Close", {5850, 4080, 1230, 375}};

    static constexpr std::array Controls{lblFolder, lstResults, lblSummary, cmdClose};
};

// The line over the results, naming the folder with the system's own separators.
inline std::string checkedFolderLine(const std::string& folder) {
    return "The jukebox of " + pathUtf8(utf8Path(folder).make_preferred());
}

// A result's row: its severity's word, then its text.
inline std::string checkResultRow(const CheckResult& result) {
    return std::string(severityWord(result.severity)) + ": " + result.text;
}

} // namespace jukewright
