#pragma once

#include <QApplication>
#include <memory>

namespace jukewright::gui {

// Opens the display and creates the application. Where no display can be opened, says so in one line
// that points to the command line and ends the program with status 1, instead of Qt's abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

} // namespace jukewright::gui
