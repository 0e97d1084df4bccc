#include "cli/DataFolder.h"

#include <filesystem>
#include <stdexcept>

#include "startup/DataFolderLock.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "startup/DataFolderLock.h"

TDataFolder::TDataFolder() = default;
TDataFolder::~TDataFolder() = default;

void TDataFolder::OpenForReading() {
  const TDataFileLoad Loaded = FDataFile.Load();
  if (!Loaded.Failure.empty()) throw std::runtime_error(Loaded.Failure);
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
  // What could be read is used; a damaged file is kept aside by Save().
  FDataFile.Load();
}

std::string TDataFolder::Save() {
  TKeptCopies Kept;
  FDataFile.Save(Kept);
  return Kept.Damaged;
}
