#pragma once

class QMainWindow;
class QWidget;

namespace jukewright::gui {

// The screen check of start-up, against the available area of the screen the window opens on. On a
// short screen the window (menu bar and client area) becomes 11190 twips high; the track list gives up
// the height and every control below it moves up with its bottom edge, so all of them stay inside.
void fitToScreen(QMainWindow& window, QWidget& trackList);

} // namespace jukewright::gui
