// What the recovery file costs the user-interface thread: serialising a
// large store (about 20 MB) and comparing it with the bytes written last,
// which runs a moment after input; and stamping qmp.dat, which runs at load
// and at close. The file itself is written on another thread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "SeasonOfPlans.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/Traveler.h"

namespace {

template <class Work>
double BestMilliseconds(Work&& Run) {
  double Best = 1e12;
  for (int i = 0; i < 5; ++i) {
    const auto Start = std::chrono::steady_clock::now();
    Run();
    Best = std::min(Best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
  }
  return Best;
}

}  // namespace

int main() {
  TTravelerData Store;
  AddSeasonOfPlans(Store);
  const auto Last = DataFileBytes(Store);
  bool Same = false;
  const double Serialise = BestMilliseconds([&] { Same = DataFileBytes(Store) == Last; });
  const double Compare = BestMilliseconds([&] { Same = DataFileBytes(Store) == Last && Same; });
  const std::string Path = (std::filesystem::temp_directory_path() / "qmp-recovery-bench.dat").string();
  WriteFileAtomically(Path, Last);
  const double Stamp = BestMilliseconds([&] { StampFile(Path); });
  const double Write = BestMilliseconds([&] { WriteFileAtomically(Path, Last); });
  std::filesystem::remove(Path);
  std::printf("store bytes:                    %.1f MB\n", Last.size() / 1e6);
  std::printf("serialise (UI thread):          %.1f ms\n", Serialise);
  std::printf("serialise + compare (UI thread): %.1f ms\n", Compare);
  std::printf("stamp qmp.dat (load, close):    %.1f ms\n", Stamp);
  std::printf("write recovery file (thread):   %.1f ms\n", Write);
  return Same ? 0 : 1;
}
