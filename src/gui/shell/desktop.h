#pragma once

#include <QUrl>

namespace jukewright::gui {

// Opens files and web addresses with the desktop's default handler. The program asks the desktop;
// tests record what was asked and answer as they are told.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

class QtDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url) override;
};

} // namespace jukewright::gui
