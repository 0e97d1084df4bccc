#include "ui/DataFolderLock.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "store/DataFileFormat.h"

TDataFolderLock::TDataFolderLock() : TDataFolderLock(QString::fromStdString(LockFileName)) {}

TDataFolderLock::TDataFolderLock(const QString& FileName) : FLock(FileName) {
  // Only a holder that is gone makes the lock stale, never its age: a
  // planner may stay open for weeks.
  FLock.setStaleLockTime(0);
}

bool TDataFolderLock::TryLock() {
  // QLockFile records the application name and, to tell a running holder
  // from a reused process id, compares it with the holder's program file
  // name. Record the program file name, so that a running planner whose
  // display name differs is not taken for a stale one.
  const QString Name = QCoreApplication::applicationName();
  const QString Program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  if (!Program.isEmpty()) QCoreApplication::setApplicationName(Program);
  const bool Locked = FLock.tryLock(0);
  QCoreApplication::setApplicationName(Name);
  return Locked;
}

QString TDataFolderLock::HeldElsewhereText() const {
  qint64 Pid = 0;
  QString Host;
  QString Program;
  if (!FLock.getLockInfo(&Pid, &Host, &Program))
    return "The trip plans in this folder are already open in another window, or the lock file \"" +
           QString::fromStdString(LockFileName) + "\" cannot be created here.";
  return QString("The trip plans in this folder are already open in another window (process %1 on %2).")
      .arg(Pid)
      .arg(Host.isEmpty() ? QString("this computer") : Host);
}
