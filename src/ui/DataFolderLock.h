// Keeps a second writer out of the data folder: a lock file beside qmp.dat
// that names the process holding it. A lock left by a process that is gone
// is stale and taken over. Qt Core only, so any program that writes the
// data file can take the same lock.
#pragma once

#include <QLockFile>
#include <QString>

class TDataFolderLock {
 public:
  // The lock file LockFileName in the working directory, or FileName.
  TDataFolderLock();
  explicit TDataFolderLock(const QString& FileName);

  // True when this process now holds the lock. Never waits.
  bool TryLock();
  void Unlock() { FLock.unlock(); }
  bool IsLocked() const { return FLock.isLocked(); }

  // After a failed TryLock: the message that names the holder.
  QString HeldElsewhereText() const;

 private:
  QLockFile FLock;
};
