#pragma once

#include <QString>
#include <QUrl>

namespace jukewright::gui {

// Opens web addresses and the program's text files with the desktop's own handlers. The program asks
// the desktop; tests record what was asked and answer as they are told.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Each answers false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool openTextFile(const QString& path) = 0;
};

class QtDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url) override;
    // The desktop's text viewer; on Windows, Notepad, maximised.
    bool openTextFile(const QString& path) override;
};

} // namespace jukewright::gui
