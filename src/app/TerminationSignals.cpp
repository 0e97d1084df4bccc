#include "app/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the socket pair, for the handler.
volatile sig_atomic_t WriteEnd = -1;

extern "C" void HandOff(int Signal) {
  const int SavedErrno = errno;
  const unsigned char Byte = static_cast<unsigned char>(Signal);
  if (WriteEnd >= 0) {
    // Async-signal-safe; a full socket drops the byte, and the signals
    // already queued end the program anyway.
    [[maybe_unused]] const ssize_t Written = write(WriteEnd, &Byte, 1);
  }
  errno = SavedErrno;
}

}  // namespace

TTerminationSignals::TTerminationSignals(QObject* Parent) : QObject(Parent) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, FSockets) != 0) return;
  WriteEnd = FSockets[0];
  FNotifier = new QSocketNotifier(FSockets[1], QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, [this] { ReadPending(); });
  struct sigaction Action {};
  Action.sa_handler = HandOff;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  for (int Signal : Handled) sigaction(Signal, &Action, nullptr);
}

TTerminationSignals::~TTerminationSignals() {
  if (FSockets[0] < 0) return;
  struct sigaction Action {};
  Action.sa_handler = SIG_DFL;
  sigemptyset(&Action.sa_mask);
  for (int Signal : Handled) sigaction(Signal, &Action, nullptr);
  WriteEnd = -1;
  close(FSockets[0]);
  close(FSockets[1]);
}

void TTerminationSignals::ReadPending() {
  unsigned char Byte = 0;
  while (read(FSockets[1], &Byte, 1) == 1) emit Received(Byte);
}
