#pragma once

#include "core/window/desktop.h"

#include <QPointer>

class QObject;

namespace jukewright::gui {

// Linux: xdg-open, judged by its exit status (the desktop service answers success as soon as it has
// started a program, even one that then finds nothing to open the file with). Windows: Notepad,
// maximised. An answer that comes late reaches the window only while `window` lives.
class QtDesktop : public Desktop {
public:
    explicit QtDesktop(QObject* window) : m_window(window) {}

    void openTextFile(const std::string& path, std::function<void()> noProgram) override;

private:
    QPointer<QObject> m_window;
};

} // namespace jukewright::gui
