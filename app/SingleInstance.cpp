#include "app/SingleInstance.h"

#include <QLocalSocket>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// The lock file and the socket lie in the user's runtime folder, or in /tmp named after the user.
std::string instancePath(const std::string& name, const char* suffix) {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir) return std::string(runtimeDir) + "/" + name + suffix;
    return "/tmp/" + name + "-" + std::to_string(getuid()) + suffix;
}

constexpr const char* showRequest = "show\n";
constexpr int answerMs = 1000;
} // namespace

bool AcquireSingleInstance(const std::string& name) {
    const int fd = open(instancePath(name, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is nothing to coordinate with; let this copy run.
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true; // fd stays open until the process ends
    close(fd);
    return false;
}

bool AskRunningCopyToShow(const std::string& name) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(instancePath(name, ".socket")));
    if (!socket.waitForConnected(answerMs)) return false;
    socket.write(showRequest);
    const bool sent = socket.waitForBytesWritten(answerMs);
    socket.disconnectFromServer();
    return sent;
}

ShowRequests::ShowRequests(const std::string& name, QObject* parent) : QObject(parent) {
    const QString path = QString::fromStdString(instancePath(name, ".socket"));
    QLocalServer::removeServer(path);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(path);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('\n')) emit showRequested();
            });
        }
    });
}
