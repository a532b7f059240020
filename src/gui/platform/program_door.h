#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace jukewright::gui {

// One window per player: a second start hands its files to the window already running and ends, so
// that two windows never overwrite each other's remembered folders. The door is a local socket in the
// player's runtime folder.
class ProgramDoor : public QObject {
    Q_OBJECT

public:
    explicit ProgramDoor(QObject* parent = nullptr);

    // The socket of this player's running window.
    static QString socketPath();
    // Gives the files to the running window; false when no window runs.
    static bool handOver(const QStringList& files);

    // Opens the door for later starts; false when it cannot be opened (the window runs without it).
    bool open();

Q_SIGNALS:
    // A later start knocked, with its files (none when it was started without).
    void filesArrived(const QStringList& files);

private:
    void takeConnection();

    QLocalServer* m_server;
};

} // namespace jukewright::gui
