// Turns SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, Ctrl+C) into a
// signal of the event loop. The handler only writes the signal number into
// a socket pair; a QSocketNotifier reads it on the event loop, where the
// program can save. Qt Core only.
#pragma once

#include <QObject>

class QSocketNotifier;

class TTerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers. One instance at a time.
  explicit TTerminationSignals(QObject* Parent = nullptr);
  // Restores the default handlers.
  ~TTerminationSignals() override;

 signals:
  // Emitted on the event loop, once per signal received.
  void Received(int Signal);

 private:
  void ReadPending();

  int FSockets[2] = {-1, -1};
  QSocketNotifier* FNotifier = nullptr;
};
