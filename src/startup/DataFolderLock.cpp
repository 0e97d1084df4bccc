#include "startup/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <limits>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"

namespace {

// What a lock file says about its holder, as QLockFile writes it: process
// id, program name, host name, machine id and boot id, one a line.
struct TLockContents {
  bool Readable = false;  // names a process at all
  qint64 Pid = 0;
  QString Program;
  QString Host;
  QByteArray MachineId;
  QByteArray BootId;

  bool OnThisComputer() const {
    const QByteArray Ours = QSysInfo::machineUniqueId();
    if (!MachineId.isEmpty() && !Ours.isEmpty()) return MachineId == Ours;
    return Host.isEmpty() || Host == QSysInfo::machineHostName();
  }
  // The process named is gone: none of that id runs, or another program
  // has the id now, or the computer was started again since.
  bool HolderGone() const {
    if (!BootId.isEmpty() && BootId != QSysInfo::bootUniqueId()) return true;
    if (Pid > std::numeric_limits<pid_t>::max()) return true;
    if (kill(static_cast<pid_t>(Pid), 0) != 0 && errno == ESRCH) return true;
    QString Running = QFileInfo(QString("/proc/%1/exe").arg(Pid)).symLinkTarget();
    Running = QFileInfo(Running.remove(QLatin1String(" (deleted)"))).fileName();
    return !Running.isEmpty() && !Program.isEmpty() && Running != Program;
  }
};

TLockContents ReadLockContents(const QString& FileName) {
  TLockContents Contents;
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly)) return Contents;
  const QList<QByteArray> Lines = File.read(4096).split('\n');
  bool Number = false;
  Contents.Pid = Lines.value(0).toLongLong(&Number);
  Contents.Readable = Number && Contents.Pid > 0;
  Contents.Program = QString::fromUtf8(Lines.value(1));
  Contents.Host = QString::fromUtf8(Lines.value(2));
  Contents.MachineId = Lines.value(3);
  Contents.BootId = Lines.value(4);
  return Contents;
}

// A lock that names no holder is being written for a moment by the process
// taking it; one that stays so longer was left by a process ended then.
constexpr int WritingMilliseconds = 2000;

qint64 AgeMilliseconds(const QString& FileName) {
  return QFileInfo(FileName).lastModified().msecsTo(QDateTime::currentDateTime());
}

enum class TRemoval { Removed, Held, Failed };

// Removes the lock file FileName when it is stale (always, when Forced): no
// process of this computer holds it and its holder is gone, or it names none
// since longer than it takes to write one. A running holder keeps its lock
// file locked with flock; the file is unlinked while locked so, and only if
// it is still the file that was checked, so that two processes never remove
// each other's fresh lock.
TRemoval RemoveStaleLock(const QString& FileName, bool Forced) {
  const QByteArray Path = QFile::encodeName(FileName);
  for (int Look = 0; Look <= WritingMilliseconds / 100; ++Look) {
    const int Fd = open(Path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (Fd < 0) {
      if (errno == ENOENT) return TRemoval::Removed;  // gone meanwhile
      // Not readable: it names no holder, and a holder makes it readable.
      return unlink(Path.constData()) == 0 ? TRemoval::Removed : TRemoval::Failed;
    }
    // Without flock on this file system, the holder's process alone tells.
    if (flock(Fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
      close(Fd);
      return TRemoval::Held;
    }
    const TLockContents Contents = ReadLockContents(FileName);
    const qint64 Age = AgeMilliseconds(FileName);
    if (!Forced && !Contents.Readable && Age >= 0 && Age < WritingMilliseconds) {
      // Being written by the process taking it: look again in a moment.
      close(Fd);
      QThread::msleep(100);
      continue;
    }
    const bool Stale = Forced || !Contents.Readable || (Contents.OnThisComputer() && Contents.HolderGone());
    TRemoval Result = TRemoval::Held;
    if (Stale) {
      struct stat Open {}, Named {};
      const bool Checked = fstat(Fd, &Open) == 0 && stat(Path.constData(), &Named) == 0 &&
                           Open.st_ino == Named.st_ino && Open.st_dev == Named.st_dev;
      // A new lock in its place meanwhile: try the lock again.
      Result = !Checked || unlink(Path.constData()) == 0 ? TRemoval::Removed : TRemoval::Failed;
    }
    close(Fd);
    return Result;
  }
  return TRemoval::Held;
}

}  // namespace

TDataFolderLock::TDataFolderLock() : TDataFolderLock(QFile::decodeName(LockFileBeside(DataFileName).c_str())) {}

TDataFolderLock::TDataFolderLock(const QString& FileName) : FileName(FileName), FLock(FileName) {
  // Only a holder that is gone makes the lock stale, never its age: a
  // planner may stay open for weeks.
  FLock.setStaleLockTime(0);
}

bool TDataFolderLock::TryLock() {
  // QLockFile records the application name and, to tell a running holder
  // from a reused process id, compares it with the holder's program file
  // name. Record the program file name, so that a running planner whose
  // display name differs is not taken for a stale one, and so that the
  // message can tell a planner from qmp.
  const QString Name = QCoreApplication::applicationName();
  const QString Program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  if (!Program.isEmpty()) QCoreApplication::setApplicationName(Program);
  bool Locked = FLock.tryLock(0);
  if (!Locked && FLock.error() == QLockFile::LockFailedError) {
    // A lock left by a holder that is gone, or that cannot be read, is taken
    // over.
    if (RemoveStaleLock(FileName, false) == TRemoval::Removed) Locked = FLock.tryLock(0);
  }
  // What QLockFile leaves when it is ended while removing a stale lock; it
  // blocks nothing here, and goes unless a remover holds it right now.
  if (Locked) RemoveStaleLock(FileName + ".rmlock", true);
  QCoreApplication::setApplicationName(Name);
  if (!Locked) ReadHolder();
  return Locked;
}

bool TDataFolderLock::TakeOver() {
  if (RemoveStaleLock(FileName, true) != TRemoval::Removed) return false;
  return TryLock();
}

void TDataFolderLock::ReadHolder() {
  TLockContents Contents = ReadLockContents(FileName);
  // A lock taken a moment ago may not name its holder yet.
  for (int Look = 0; !Contents.Readable && Look < WritingMilliseconds / 100; ++Look) {
    const qint64 Age = AgeMilliseconds(FileName);
    if (!QFileInfo::exists(FileName) || Age < 0 || Age >= WritingMilliseconds) break;
    QThread::msleep(100);
    Contents = ReadLockContents(FileName);
  }
  FPid = Contents.Pid;
  FHost = Contents.Host;
  if (!Contents.Readable)
    FHolder = THolder::Unknown;
  else if (!Contents.OnThisComputer())
    FHolder = THolder::OtherComputer;
  else if (Contents.Program == "qmp")
    FHolder = THolder::Qmp;
  else
    FHolder = THolder::Window;
}

QString TDataFolderLock::HeldElsewhereText() const {
  const QString Host = FHost.isEmpty() ? QString("this computer") : FHost;
  switch (FHolder) {
    case THolder::Window:
      return QString("The trip plans in this folder are already open in another window (process %1 on %2).")
          .arg(FPid)
          .arg(Host);
    case THolder::Qmp:
      return QString("The trip plans in this folder are being changed by qmp (process %1 on %2); try again when "
                     "it has finished.")
          .arg(FPid)
          .arg(Host);
    case THolder::OtherComputer:
      return QString("The trip plans in this folder are open on the computer \"%1\" (process %2), or were when "
                     "it stopped. If Quillmoor Planner and qmp no longer run there, delete the lock file \"%3\" "
                     "and try again.")
          .arg(Host)
          .arg(FPid)
          .arg(QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath()));
    case THolder::Unknown:
      break;
  }
  return "The trip plans in this folder are already open in another window, or the lock file \"" + FileName +
         "\" cannot be created here.";
}
