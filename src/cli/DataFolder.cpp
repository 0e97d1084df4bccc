#include "cli/DataFolder.h"

#include <QDateTime>
#include <filesystem>
#include <stdexcept>

#include "startup/DataFolderLock.h"
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
  // The planner's own lock, so that each sees the other as a live holder.
  FLock = std::make_unique<TDataFolderLock>();
  if (FLock->TryLock()) return;
  const std::string Held = FLock->HeldElsewhereText().toStdString();
  throw std::runtime_error(FLock->Holder() == TDataFolderLock::THolder::Window ? Held + " Close it first." : Held);
}

void TDataFolder::OpenForChange() {
  Lock();
  // Under the lock, as the planner does at start: what an interrupted save
  // left behind.
  RemoveLeftoverTempFiles(DataFileName, RecoveryFileName);
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
