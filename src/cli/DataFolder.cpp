#include "cli/DataFolder.h"

#include <QDateTime>
#include <QLockFile>
#include <filesystem>
#include <stdexcept>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"

TDataFolder::TDataFolder() = default;
TDataFolder::~TDataFolder() = default;

bool TDataFolder::Load(std::string& Message) {
  if (!std::filesystem::exists(DataFileName)) return true;
  try {
    if (FStore.LoadFromFile()) return true;
    Message = "Error in loading data!";
  } catch (const TDataFileError& Failure) {
    Message = Failure.what();
  }
  return false;
}

void TDataFolder::OpenForReading() {
  std::string Message;
  if (!Load(Message)) throw std::runtime_error(Message);
}

void TDataFolder::Lock() {
  FLock = std::make_unique<QLockFile>(QString::fromStdString(LockFileName));
  // Only a lock whose process is gone is stale, however old it is.
  FLock->setStaleLockTime(0);
  if (FLock->tryLock(0)) return;
  if (FLock->error() == QLockFile::LockFailedError) {
    qint64 Process = 0;
    QString Host, Program;
    FLock->getLockInfo(&Process, &Host, &Program);
    throw std::runtime_error("the trip plans in this folder are open in " +
                             (Program.isEmpty() ? std::string("another program") : Program.toStdString()) +
                             " (process " + std::to_string(Process) + "); close it first");
  }
  throw std::runtime_error("cannot create the lock file " + LockFileName + " in this folder");
}

void TDataFolder::OpenForChange() {
  Lock();
  if (std::filesystem::exists(RecoveryFileName))
    throw std::runtime_error("the planner's unsaved changes wait in " + RecoveryFileName +
                             "; open the planner to recover them first");
  std::string Unused;
  FDamaged = !Load(Unused);
}

std::string TDataFolder::Save() {
  std::string KeptAs;
  if (FDamaged && std::filesystem::exists(DataFileName)) {
    KeptAs = CopyFileAside(DataFileName,
                           ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString());
    FDamaged = false;
  }
  FStore.SaveToFile();
  return KeptAs;
}
