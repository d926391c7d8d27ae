#include "app/reading_hand_over.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace orbalis {
namespace {

// A file's name is far shorter; more is not a name.
constexpr qsizetype kLongestMessage = 64 * 1024;
constexpr int kConnectMilliseconds = 5000;
constexpr int kAnswerMilliseconds = 10000;
constexpr char kEnd = '\0';
constexpr char kReceived = '\n';
// Connections open at once: a later start sends one name and goes; more than
// this at a time is no start, and would use up the window's descriptors.
constexpr int kMostConnections = 16;
// How long a connection may take to send its name.
constexpr int kReceiveMilliseconds = 5000;

}  // namespace

ReadingFileReceiver::ReadingFileReceiver(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this,
            &ReadingFileReceiver::server_NewConnection);
}

bool ReadingFileReceiver::Listen(const QString& path) {
    if (path.isEmpty()) return false;
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void ReadingFileReceiver::server_NewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (connections_ >= kMostConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++connections_;
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A connection that sends no whole name in time is closed.
        QTimer::singleShot(kReceiveMilliseconds, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->property("done").toBool()) return;
            QByteArray message = socket->property("message").toByteArray() + socket->readAll();
            const qsizetype end = message.indexOf(kEnd);
            if (end < 0 && message.size() <= kLongestMessage) {
                socket->setProperty("message", message);
                return;
            }
            socket->setProperty("done", true);
            if (end >= 0) {
                socket->write(&kReceived, 1);
                socket->flush();
                emit fileReceived(QFile::decodeName(message.left(end)));
            }
            socket->disconnectFromServer();
        });
    }
}

bool HandOverReadingFile(const QString& socketPath, const QString& file) {
    if (socketPath.isEmpty()) return false;
    QLocalSocket socket;
    // The instance takes its lock a moment before it listens.
    const QDeadlineTimer deadline(kConnectMilliseconds);
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kConnectMilliseconds)) break;
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);
    }
    const QByteArray message = QFile::encodeName(QFileInfo(file).absoluteFilePath()) + kEnd;
    if (socket.write(message) != message.size()) return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kAnswerMilliseconds)) return false;
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(kAnswerMilliseconds)) return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kReceived;
}

}  // namespace orbalis
