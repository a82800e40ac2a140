#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace meridex {

namespace {

constexpr char kActivate[] = "activate\n";
constexpr char kDone[] = "done\n";

// A short, fixed name for a data folder (socket paths are limited to about
// a hundred characters).
QString FolderKey(const std::filesystem::path& dataFolder) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder, error);
  const QByteArray digest =
      QCryptographicHash::hash(QByteArray::fromStdString((error ? dataFolder : folder).string()),
                               QCryptographicHash::Sha256);
  return QString::fromLatin1(digest.toHex().left(16));
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataFolder, const QString& runtimeDir,
                               QObject* parent)
    : QObject(parent),
      serverName_(runtimeDir + "/meridex-" + FolderKey(dataFolder)),
      lock_(serverName_ + ".lock") {
  // The lock is never stale by age, only when its process is gone.
  lock_.setStaleLockTime(0);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::~SingleInstance() {
  server_.close();
  lock_.unlock();
}

SingleInstance::Start SingleInstance::claim(std::chrono::milliseconds patience) {
  const QDeadlineTimer deadline(patience);
  for (;;) {
    if (lock_.tryLock(0)) {
      // Whoever held the lock before is gone: its socket, if any, is stale.
      QLocalServer::removeServer(serverName_);
      server_.setSocketOptions(QLocalServer::UserAccessOption);
      if (!server_.listen(serverName_)) {
        qWarning("Meridex: later starts cannot reach this one: %s",
                 qPrintable(server_.errorString()));
      }
      return Start::First;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
      // Better to run unguarded than not at all.
      qWarning("Meridex: cannot create %s; a second start will not be noticed",
               qPrintable(serverName_ + ".lock"));
      return Start::First;
    }
    if (handOver(std::chrono::milliseconds(deadline.remainingTime()))) return Start::HandedOver;
    if (deadline.hasExpired()) return Start::NoAnswer;
    // The holder may have just started (no socket yet) or just ended.
    QThread::msleep(50);
  }
}

bool SingleInstance::handOver(std::chrono::milliseconds patience) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(static_cast<int>(patience.count()))) return false;
  socket.write(kActivate);
  if (!socket.waitForBytesWritten(static_cast<int>(patience.count()))) return false;
  // The answer comes once the running program's event loop has handled the
  // request; until then it may still be creating its windows.
  QByteArray reply;
  const QDeadlineTimer deadline(patience);
  while (!reply.endsWith('\n') &&
         socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
    reply += socket.readAll();
  }
  return reply == kDone;
}

void SingleInstance::answer() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        // Whatever sends more than a request without ending it is not a start.
        if (socket->bytesAvailable() > 64) socket->abort();
        return;
      }
      if (socket->readLine() == kActivate) {
        emit activationRequested();
        socket->write(kDone);
        socket->flush();
      }
      socket->disconnectFromServer();
    });
  }
}

}  // namespace meridex
