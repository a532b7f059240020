#pragma once

namespace jukewright::gui {

// The names the desktop knows the program by. Title bars carry each window's own caption alone: no
// display name is set, since the platform would append it to every caption.
void nameTheProgram();

} // namespace jukewright::gui
