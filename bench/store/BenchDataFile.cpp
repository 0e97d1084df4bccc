// Times saving and loading a large store (about 20 MB on disk) against a plain
// copy of the same file, and prints MB/s and the ratios.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "store/ByteFile.h"
#include "store/Traveler.h"

namespace {

using TClock = std::chrono::steady_clock;

std::string Text(const char* Prefix, int n) { return std::string(Prefix) + " " + std::to_string(n); }

void BuildLargeStore(TTravelerData& Store) {
  for (int t = 0; t < 240; ++t) {
    Store.AppendTrip();
    Store.GetTrip(t).Name = Text("Trip", t);
    for (int n = 0; n < 400; ++n)
      Store.AddNote(t, {Text("Walk to camp", n), "Filter water"}, 1 + n % 28, 1 + n % 12, 2026);
    for (int c = 0; c < 40; ++c) {
      Store.AddGearCategory(t, Text("Category", c));
      for (int i = 0; i < 25; ++i)
        Store.AddGearItem(t, c, Text("Gear item", i), "1.25", "49.95", i % 2 ? "Yes" : "No", "8",
                          "0.0025", "remark");
    }
    for (int r = 0; r < 50; ++r) {
      Store.AddRecipe(t, Text("Recipe", r), "Boil water, stir, wait five minutes.");
      auto& Ingredients = Store.GetRecipe(t, r).Ingredients;
      for (int g = 0; g < 20; ++g) Ingredients.push_back(Text("ingredient", g));
    }
    Store.SetBudget(t, "1500");
  }
}

// Best of Runs timings, in seconds.
double Best(int Runs, const std::function<void()>& Work) {
  double Fastest = 1e9;
  for (int i = 0; i < Runs; ++i) {
    const auto Start = TClock::now();
    Work();
    Fastest = std::min(Fastest, std::chrono::duration<double>(TClock::now() - Start).count());
  }
  return Fastest;
}

// Reads the file into memory and writes it out, as a copying program does;
// with Sync the copy is flushed to the disk as the planner's save is.
void CopyThroughMemory(const std::string& From, const std::string& To, bool Sync) {
  std::vector<std::uint8_t> Data;
  ReadWholeFile(From, Data);
  const int Fd = open(To.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (Fd < 0) return;
  if (write(Fd, Data.data(), Data.size()) < 0) perror("write");
  if (Sync) fsync(Fd);
  close(Fd);
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path Folder = fs::temp_directory_path() / ("qmp-bench-" + std::to_string(getpid()));
  fs::create_directories(Folder);
  const std::string File = (Folder / "qmp.dat").string();
  const std::string Copy = (Folder / "copy.dat").string();
  constexpr int Runs = 5;

  TTravelerData Store;
  BuildLargeStore(Store);
  const double Save = Best(Runs, [&] { Store.SaveToFile(File); });
  const double Megabytes = static_cast<double>(fs::file_size(File)) / 1e6;
  const double Load = Best(Runs, [&] {
    TTravelerData Loaded;
    Loaded.LoadFromFile(File);
  });
  const double PlainCopy = Best(Runs, [&] { fs::copy_file(File, Copy, fs::copy_options::overwrite_existing); });
  const double MemoryCopy = Best(Runs, [&] { CopyThroughMemory(File, Copy, false); });
  const double SyncedCopy = Best(Runs, [&] { CopyThroughMemory(File, Copy, true); });

  std::printf("data file: %.1f MB, best of %d runs\n", Megabytes, Runs);
  std::printf("save:               %8.1f ms  %7.1f MB/s  (writes a temporary file, syncs, renames)\n",
              Save * 1e3, Megabytes / Save);
  std::printf("load:               %8.1f ms  %7.1f MB/s\n", Load * 1e3, Megabytes / Load);
  std::printf("copy (in the kernel, copy_file):   %8.1f ms  %7.1f MB/s\n", PlainCopy * 1e3, Megabytes / PlainCopy);
  std::printf("copy (read + write):               %8.1f ms  %7.1f MB/s\n", MemoryCopy * 1e3, Megabytes / MemoryCopy);
  std::printf("copy (read + write + fsync):       %8.1f ms  %7.1f MB/s\n", SyncedCopy * 1e3, Megabytes / SyncedCopy);
  std::printf("ratios (target: at most 5)          copy_file  read+write  read+write+fsync\n");
  std::printf("  save                              %9.2f  %10.2f  %16.2f\n", Save / PlainCopy, Save / MemoryCopy,
              Save / SyncedCopy);
  std::printf("  load                              %9.2f  %10.2f  %16.2f\n", Load / PlainCopy, Load / MemoryCopy,
              Load / SyncedCopy);
  fs::remove_all(Folder);
  return 0;
}
