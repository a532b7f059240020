#include "gui/platform/display_check.h"

#include <QList>
#include <cstdio>
#include <cstdlib>

namespace jukewright::gui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's messages while the display is opened: held back, so that a failure shows only our line.
QList<HeldMessage>& heldMessages() {
    static QList<HeldMessage> messages;
    return messages;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("jukewright: no display could be opened (is DISPLAY or WAYLAND_DISPLAY set?); "
                   "use jukewright-cli to work without a window.\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages().append({type, QByteArray(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    // The display is open: whatever Qt had to say on the way is said now.
    for (const HeldMessage& message : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
    return app;
}

} // namespace jukewright::gui
