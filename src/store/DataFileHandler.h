// qmp.dat as both programs handle it: read into the store, kept aside when it
// could not be read or when another program changed it since it was read,
// and saved. Nothing here asks or tells the user: the results say what
// happened, and each program words it.
#pragma once

#include <string>

#include "store/ByteFile.h"
#include "store/StoreErrors.h"

class TTravelerData;

// The time stamp in the names of kept copies: local time, "yyyyMMdd-HHmmss".
std::string FileTimeStamp();
// The name suffix of a copy kept now, for example ".damaged-20261209-101500"
// for the Kind "damaged" ("conflict", "unsaved").
std::string KeptCopySuffix(const std::string& Kind);

// Whether Path holds a whole data file of this program.
bool IsCompleteDataFile(const std::string& Path);

// How reading qmp.dat went.
struct TDataFileLoad {
  enum class TOutcome {
    Missing,   // no data file: no trips, and nothing failed
    Complete,  // every trip was read
    Partial,   // the trips before the damage were read
    Foreign,   // not a data file of this program: nothing was read
  };
  TOutcome Outcome = TOutcome::Missing;
  // For Partial and Foreign, the failure as the user is told it.
  std::string Failure;
};

// Another program's change to qmp.dat since it was read, found before a save.
struct TDataFileChange {
  bool ChangedElsewhere = false;
  // The suffix and the name its version will be kept as.
  std::string Suffix;
  std::string KeepAs;
};

// The copies a save kept aside (empty when none).
struct TKeptCopies {
  std::string Changed;  // the version another program wrote
  std::string Damaged;  // the file that could not be read
};

// The damaged data file could not be kept aside, so the save did not replace
// it. what() is the reason.
class TKeepAsideError : public TFileIOError {
 public:
  using TFileIOError::TFileIOError;
};

class TDataFileHandler {
 public:
  explicit TDataFileHandler(TTravelerData& Store) : FStore(Store) {}

  // Reads qmp.dat into the empty store. A file that exists but is not read
  // whole is damaged: a save keeps it aside before replacing it. Failures
  // other than damage (no memory) are thrown.
  TDataFileLoad Load();
  // Reads the store from the session's recovery file, which the user
  // restored, instead; a data file that cannot be read is still damaged.
  void LoadRestored(const std::string& RecoveryFile);
  bool Damaged() const { return FDamaged; }

  // Whether qmp.dat was changed by another program since it was read or last
  // saved (a file touched but not changed is the same file).
  TDataFileChange CheckForChange() const;
  // Keeps the version Change found aside, under the name it announced unless
  // another copy took that name meanwhile; then keeps a damaged file aside;
  // then writes the store. Kept is filled as it goes, so that after a failure
  // it still names what was kept. Throws TKeepAsideError when the damaged file
  // cannot be kept, and the store's and the file's failures.
  void Save(const TDataFileChange& Change, TKeptCopies& Kept);
  // Save without the check for another program's change (qmp: it holds the
  // folder's lock from reading to saving).
  void Save(TKeptCopies& Kept) { Save(TDataFileChange{}, Kept); }

 private:
  TTravelerData& FStore;
  bool FDamaged = false;
  // qmp.dat as last read or written.
  TFileStamp FStamp;
};
