#include "store/DataFileHandler.h"

#include <ctime>
#include <exception>
#include <filesystem>

#include "store/DataFileFormat.h"
#include "store/Traveler.h"

std::string FileTimeStamp() {
  const std::time_t Now = std::time(nullptr);
  std::tm Local{};
  localtime_r(&Now, &Local);
  char Text[32];
  return std::string(Text, std::strftime(Text, sizeof Text, "%Y%m%d-%H%M%S", &Local));
}

std::string KeptCopySuffix(const std::string& Kind) { return "." + Kind + "-" + FileTimeStamp(); }

bool IsCompleteDataFile(const std::string& Path) {
  try {
    TTravelerData Scratch;
    return Scratch.LoadFromFile(Path);
  } catch (const std::exception&) {
    return false;
  }
}

TDataFileLoad TDataFileHandler::Load() {
  FStamp = StampFile(DataFileName);
  TDataFileLoad Result;
  // A first start: there is nothing to read, and nothing failed.
  if (!std::filesystem::exists(DataFileName)) return Result;
  try {
    Result.Outcome = FStore.LoadFromFile() ? TDataFileLoad::TOutcome::Complete : TDataFileLoad::TOutcome::Partial;
    if (Result.Outcome == TDataFileLoad::TOutcome::Partial) Result.Failure = "Error in loading data!";
  } catch (const TDataFileError& Failure) {
    // Nothing was read.
    Result.Outcome = TDataFileLoad::TOutcome::Foreign;
    Result.Failure = Failure.what();
  }
  FDamaged = Result.Outcome != TDataFileLoad::TOutcome::Complete;
  return Result;
}

void TDataFileHandler::LoadRestored(const std::string& RecoveryFile) {
  FStamp = StampFile(DataFileName);
  FDamaged = std::filesystem::exists(DataFileName) && !IsCompleteDataFile(DataFileName);
  FStore.LoadFromFile(RecoveryFile);
}

TDataFileChange TDataFileHandler::CheckForChange() const {
  TDataFileChange Change;
  const TFileStamp OnDisk = StampFile(DataFileName);
  if (!OnDisk.Exists || OnDisk.SameContents(FStamp)) return Change;
  Change.ChangedElsewhere = true;
  Change.Suffix = KeptCopySuffix("conflict");
  Change.KeepAs = FreeAsideName(DataFileName, Change.Suffix);
  return Change;
}

void TDataFileHandler::Save(const TDataFileChange& Change, TKeptCopies& Kept) {
  if (Change.ChangedElsewhere) {
    Kept.Changed = CopyFileAside(DataFileName, Change.Suffix);
    // The version on disk is kept: it no longer needs keeping as damaged.
    FDamaged = false;
  }
  if (FDamaged && std::filesystem::exists(DataFileName)) {
    try {
      Kept.Damaged = CopyFileAside(DataFileName, KeptCopySuffix("damaged"));
    } catch (const std::exception& Failure) {
      throw TKeepAsideError(Failure.what());
    }
    FDamaged = false;
  }
  FStore.SaveToFile();
  FStamp = StampFile(DataFileName);
}
