// One running copy at a time. The lock is an advisory file lock, so the operating system
// releases it when the holder ends in any way, a crash included. Beside it, the running copy
// listens on a local socket, through which a second copy asks it to show its window before it
// ends.
#pragma once

#include <QLocalServer>
#include <QObject>

#include <string>

// Takes the lock of the given name for the rest of the process; false when another process
// holds it.
bool AcquireSingleInstance(const std::string& name);

// Asks the copy holding the lock to show its window; false when none answered within a second.
// Needs a QCoreApplication.
bool AskRunningCopyToShow(const std::string& name);

// The holder's side: every request of a second copy is announced once.
class ShowRequests : public QObject {
    Q_OBJECT
  public:
    // Listens under the name; a socket a killed copy left behind is removed first, which is safe
    // because only the holder of the lock gets here.
    explicit ShowRequests(const std::string& name, QObject* parent = nullptr);
    bool listening() const { return server.isListening(); }

  signals:
    void showRequested();

  private:
    QLocalServer server;
};
