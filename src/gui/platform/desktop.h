#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace jukewright::gui {

// Opens the program's text files with the desktop's own handlers. The program asks the desktop;
// tests record what was asked and answer as they are told.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Opens an existing file with the desktop's program for its kind. When no program could open it,
    // `noProgram` runs, at once or once the desktop has said so, and only while `context` lives.
    virtual void openTextFile(const QString& path, QObject* context, std::function<void()> noProgram) = 0;
};

class QtDesktop : public Desktop {
public:
    // Linux: xdg-open, judged by its exit status (the desktop service answers success as soon as it
    // has started a program, even one that then finds nothing to open the file with). Windows:
    // Notepad, maximised.
    void openTextFile(const QString& path, QObject* context, std::function<void()> noProgram) override;
};

} // namespace jukewright::gui
