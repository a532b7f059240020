#include "gui/platform/program_door.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace jukewright::gui {

namespace {

constexpr int WaitMilliseconds = 5000;

} // namespace

ProgramDoor::ProgramDoor(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ProgramDoor::takeConnection);
}

QString ProgramDoor::socketPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("jukewright.socket"));
}

bool ProgramDoor::handOver(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(WaitMilliseconds))
        return false;
    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << files;
    socket.write(message);
    // The running window answers once it has the files; a window that hangs leaves this start to go on.
    if (!socket.waitForBytesWritten(WaitMilliseconds) || !socket.waitForReadyRead(WaitMilliseconds))
        return false;
    return socket.readAll() == QByteArrayLiteral("taken");
}

bool ProgramDoor::open() {
    if (m_server->listen(socketPath()))
        return true;
    // A socket left by a window that ended without closing it: nobody answers there any more.
    QLocalServer::removeServer(socketPath());
    return m_server->listen(socketPath());
}

void ProgramDoor::takeConnection() {
    QLocalSocket* socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        QDataStream stream(socket->peek(socket->bytesAvailable()));
        QStringList files;
        stream >> files;
        // The whole list has arrived only when it reads without running past the end.
        if (stream.status() != QDataStream::Ok)
            return;
        socket->readAll();
        socket->write("taken");
        socket->disconnectFromServer();
        Q_EMIT filesArrived(files);
    });
}

} // namespace jukewright::gui
