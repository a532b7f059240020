#pragma once

#include "core/jukebox/save_view.h"
#include "core/skin/twips.h"
#include "core/window/dialog_design.h"

#include <array>
#include <string_view>

namespace jukewright {

// The save's progress window: three stage pictures one above the other, the current one lit, and
// the copy progress below them. Designed in pixels (371 by 127), given here in twips.
struct ProgressDesign {
    static constexpr WindowDesign Window{"frmScript", "Jukewright - Generating...", {5565, 1905}};
    // Every save starts from this caption; a save that ended without "Done" says so in its caption.
    static constexpr std::string_view GeneratingCaption = Window.caption;
    static constexpr std::string_view FailedCaption = "Jukewright - Save failed";

    static constexpr ControlDesign prgFilecopy{"prgFilecopy", ControlKind::ProgressBar, "", {120, 1455, 5325, 300}};
};

// A stage's two pictures at one place: the plain one and its lit twin (the `b` control), with the
// picture files they show (PNG, stored with the program).
struct StagePictures {
    SaveStage stage;
    ControlDesign plain;
    ControlDesign lit;
    std::string_view plainPicture;
    std::string_view litPicture;
};

inline constexpr TwipsRect stagePlace(int topPixels) {
    return {pixelsToTwips(35), pixelsToTwips(topPixels), pixelsToTwips(300), pixelsToTwips(20)};
}

inline constexpr std::array<StagePictures, 3> ProgressStages{{
    {SaveStage::GeneratingScript,
     {"imgGen", ControlKind::Picture, "", stagePlace(14)},
     {"imgGenb", ControlKind::Picture, "", stagePlace(14)},
     "stage_generating",
     "stage_generating_glow"},
    {SaveStage::CopyingFiles,
     {"imgCopy", ControlKind::Picture, "", stagePlace(40)},
     {"imgCopyb", ControlKind::Picture, "", stagePlace(40)},
     "stage_copying",
     "stage_copying_glow"},
    {SaveStage::Complete,
     {"imgComp", ControlKind::Picture, "", stagePlace(66)},
     {"imgCompb", ControlKind::Picture, "", stagePlace(66)},
     "stage_complete",
     "stage_complete_glow"},
}};

} // namespace jukewright
