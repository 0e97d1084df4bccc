// The trip plans of one data folder as qmp uses them: qmp.dat read into a
// store, and for a change the planner's lock on the folder and the planner's
// way of saving.
#pragma once

#include <memory>
#include <string>

#include "store/DataFileHandler.h"
#include "store/Traveler.h"

class TDataFolderLock;

class TDataFolder {
 public:
  TDataFolder();
  ~TDataFolder();

  // Reads qmp.dat of the working directory; a missing file gives no trips.
  // A file that cannot be read throws its message ("Error in open data
  // file!", "Error in loading data!").
  void OpenForReading();
  // Takes the folder's lock first: refused while the planner (or another
  // qmp) has the folder open, and while the planner's unsaved changes wait
  // in its recovery file. Under the lock, the temporary files that
  // interrupted saves left are removed, as the planner does at start. A file
  // that cannot be read is kept aside when Save() replaces it, as the
  // planner does; what could be read is used.
  void OpenForChange();
  // Saves the store as the planner does: limits checked first, written to a
  // temporary file and renamed. Returns the name a damaged file was kept
  // as, or the empty text.
  std::string Save();

  TTravelerData& Store() { return FStore; }

 private:
  void Lock();

  TTravelerData FStore;
  TDataFileHandler FDataFile{FStore};
  std::unique_ptr<TDataFolderLock> FLock;
};
