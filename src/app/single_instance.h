#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <chrono>
#include <filesystem>
#include <memory>

namespace meridex {

// One running program per data folder: two programs over the same files
// would overwrite each other's Hot List and preferences. The first start
// holds a lock file and listens on a local socket in the user's runtime
// folder, both named after the data folder; a later start asks it to come to
// the front and ends. A lock or socket left behind by a program that crashed
// is taken over.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  enum class Start {
    First,       // this process runs the program
    HandedOver,  // the running program was asked to come to the front
    NoAnswer,    // another process holds the folder but does not answer
  };

  // `runtimeDir` is the user's private runtime folder.
  SingleInstance(const std::filesystem::path& dataFolder, const QString& runtimeDir,
                 QObject* parent = nullptr);
  ~SingleInstance() override;

  // Claims the data folder, or hands this start over to the process that
  // has it, waiting at most `patience` for it to answer (it may be busy
  // starting up).
  Start claim(std::chrono::milliseconds patience = std::chrono::seconds(10));

  // The socket's path, for messages.
  const QString& serverName() const { return serverName_; }

 signals:
  // A later start asked the running program to show its main window.
  void activationRequested();

 private:
  bool handOver(std::chrono::milliseconds patience);
  void answer();

  QString serverName_;
  QLockFile lock_;
  QLocalServer server_;
};

}  // namespace meridex
