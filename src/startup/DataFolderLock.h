// Keeps a second writer out of the data folder: a lock file beside the data
// file (beside the file its links lead to, so that every link to one data
// file shares one lock) that names the process holding it. Qt Core only, so
// any program that writes the data file can take the same lock.
//
// A lock is stale, and taken over, when no process of this computer holds it
// open (a holder keeps it locked with flock while it runs) and it names a
// holder that is gone, or names none because it cannot be read. A lock of
// another computer cannot be checked from here: it is taken over only when
// the user says so (TakeOver).
#pragma once

#include <QLockFile>
#include <QString>

class TDataFolderLock {
 public:
  // Who holds a lock that TryLock could not take.
  enum class THolder { Window, Qmp, OtherComputer, Unknown };

  // The lock of qmp.dat in the working directory, or the lock file FileName.
  TDataFolderLock();
  explicit TDataFolderLock(const QString& FileName);

  // True when this process now holds the lock. Never waits long: a lock
  // being written at this moment is given a moment to show its holder.
  bool TryLock();
  void Unlock() { FLock.unlock(); }
  bool IsLocked() const { return FLock.isLocked(); }

  // After a failed TryLock: who holds it, and the message that names them.
  THolder Holder() const { return FHolder; }
  QString HeldElsewhereText() const;
  // After a failed TryLock for a lock of another computer: removes it and
  // takes the lock, unless a process of this computer holds it after all.
  bool TakeOver();

  const QString FileName;

 private:
  // Reads who holds the lock file into FHolder and the fields below.
  void ReadHolder();

  QLockFile FLock;
  THolder FHolder = THolder::Unknown;
  qint64 FPid = 0;
  QString FHost;
};
