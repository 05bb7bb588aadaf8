#include "TaskHandoff.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include "uProject.h"

namespace fq {
namespace {

constexpr int kConnectMilliseconds = 1000;
constexpr int kAnswerMilliseconds = 5000;
const QByteArray kTaken = "taken\n";
const QByteArray kUnknown = "unknown\n";

}  // namespace

QString HandoffServerName() {
    const QByteArray folder = QByteArray::fromStdString(GetAppDataFolder());
    return QStringLiteral("fennquill-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(24));
}

bool HandTaskToRunningCopy(const std::string& taskId) {
    QLocalSocket socket;
    socket.connectToServer(HandoffServerName());
    if (!socket.waitForConnected(kConnectMilliseconds)) return false;
    socket.write(QByteArray::fromStdString(taskId) + '\n');
    if (!socket.waitForBytesWritten(kConnectMilliseconds)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerMilliseconds)) return false;
    return socket.readLine() == kTaken;
}

TaskHandoffServer::TaskHandoffServer(Take take, QObject* parent) : QObject(parent), take_(std::move(take)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool TaskHandoffServer::Listen() {
    const QString name = HandoffServerName();
    if (server_.listen(name)) return true;
    // A name left behind by a copy that ended abruptly answers nobody.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectMilliseconds)) return false;
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void TaskHandoffServer::Answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) return;
    const std::string taskId = socket->readLine().trimmed().toStdString();
    socket->write(take_(taskId) ? kTaken : kUnknown);
    socket->disconnectFromServer();
}

}  // namespace fq
