// Imports a whole-trip exchange file of about 100 MB and prints the speed and
// the memory the import takes, as peak resident memory over the file's size.
// Each import runs in a process of its own (this program with --import), so
// that its peak is its own.
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "BenchReport.h"
#include "reports/core/ExchangeFile.h"
#include "store/Traveler.h"

namespace {

std::string Text(const char* Prefix, int n) { return std::string(Prefix) + " " + std::to_string(n); }

// One trip of every kind of record, within the data file's limits.
void BuildLargeTrip(TTravelerData& Store) {
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Long trip";
  for (int n = 0; n < 50000; ++n)
    Store.AddNote(0, {Text("Walk to camp", n), "Filter water"}, 1 + n % 28, 1 + n % 12, 2026);
  for (int c = 0; c < 500; ++c) {
    Store.AddGearCategory(0, Text("Category", c));
    for (int i = 0; i < 1200; ++i)
      Store.AddGearItem(0, c, Text("Gear item", i), "1.25", "49.95", i % 2 ? "Yes" : "No", "8", "0.0025", "remark");
  }
  for (int p = 0; p < 10000; ++p)
    Store.AddPlan(0, Text("Plan", p), "Drive to the trailhead.\r\nPark at the north lot.\r\nCall the ranger.");
  for (int c = 0; c < 200; ++c) {
    Store.AddShopingCategory(0, Text("Shop", c));
    for (int i = 0; i < 600; ++i) Store.AddShopingItem(0, c, Text("Item", i), "3.50", "Market", "0.5", "bulk");
  }
  for (int r = 0; r < 5000; ++r) {
    Store.AddRecipe(0, Text("Recipe", r), "Boil water, stir, wait five minutes.");
    auto& Ingredients = Store.GetRecipe(0, r).Ingredients;
    for (int g = 0; g < 20; ++g) Ingredients.push_back(Text("ingredient", g));
  }
  for (int n = 0; n < 10000; ++n) {
    Store.AddContact(0);
    for (int f = 0; f < TContact::FieldCount; ++f) Store.GetContact(0, n).Field(f) = Text("contact", f);
  }
  for (int n = 0; n < 5000; ++n) {
    Store.AddPermit(0, Text("Park", n));
    for (int f = 1; f < TPermit::FieldCount; ++f) Store.GetPermit(0, n).Field(f) = Text("permit", f);
  }
  Store.SetBudget(0, "1500");
}

// In a process of its own: imports File and prints seconds, the peak resident
// memory it added, the resident memory the imported trip keeps and the
// processor time it took (which a busy machine does not stretch).
int Import(const char* File) {
  const std::size_t Before = ProcessStatusBytes("VmRSS:");
  TTravelerData Store;
  timespec CpuStart{}, CpuEnd{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &CpuStart);
  const auto Start = std::chrono::steady_clock::now();
  if (!ReadTripFile(File, Store)) return 1;
  const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &CpuEnd);
  const double Cpu = double(CpuEnd.tv_sec - CpuStart.tv_sec) + double(CpuEnd.tv_nsec - CpuStart.tv_nsec) * 1e-9;
  std::printf("%.6f %zu %zu %.6f\n", Seconds, ProcessStatusBytes("VmHWM:") - Before, ProcessStatusBytes("VmRSS:") - Before, Cpu);
  std::fflush(stdout);
  _exit(0);  // the release of the store is no part of the import
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--import") == 0) return Import(argv[2]);
  if (argc > 2 && std::strcmp(argv[1], "--write") == 0) {  // the file alone, for a profiler
    TTravelerData Store;
    BuildLargeTrip(Store);
    WriteExchangeFile(argv[2], Store, 0, TExchangeSections::WholeTrip());
    return 0;
  }
  namespace fs = std::filesystem;
  const fs::path Folder = fs::temp_directory_path() / ("qmp-import-" + std::to_string(getpid()));
  fs::create_directories(Folder);
  const std::string File = (Folder / "trip.txt").string();
  {
    TTravelerData Store;
    BuildLargeTrip(Store);
    WriteExchangeFile(File, Store, 0, TExchangeSections::WholeTrip());
  }
  const double Megabytes = double(fs::file_size(File)) / 1e6;
  constexpr int Runs = 3;
  std::vector<double> Seconds, Peak, Kept, Cpu;
  for (int r = 0; r < Runs; ++r) {
    double S = 0, P = 0, K = 0, C = 0;
    if (std::sscanf(RunAndRead("", {"--import", File}).c_str(), "%lf %lf %lf %lf", &S, &P, &K, &C) != 4) {
      std::printf("the import failed\n");
      return 1;
    }
    Seconds.push_back(S);
    Peak.push_back(P / 1e6);
    Kept.push_back(K / 1e6);
    Cpu.push_back(C);
  }
  fs::remove_all(Folder);
  const double Rate = Megabytes / Median(Seconds);
  const double Memory = Median(Peak) / Megabytes;
  std::printf("exchange file: %.1f MB, median of %d imports, each in a process of its own\n", Megabytes, Runs);
  std::printf("import:      %8.1f ms  %7.1f MB/s  (processor time %.1f ms, %.1f MB/s)\n", Median(Seconds) * 1e3,
              Rate, Median(Cpu) * 1e3, Megabytes / Median(Cpu));
  std::printf("memory:      peak %.1f MB (%.2f x the file), the imported trip keeps %.1f MB\n", Median(Peak), Memory,
              Median(Kept));
  PrintBenchRow("Import of a 100 MB exchange file: speed",
                BenchFigure("%.0f MB/s", Rate) + BenchFigure(" (processor time: %.0f MB/s)", Megabytes / Median(Cpu)),
                BenchFigure("%.0f MB file", Megabytes), Rate / 50, "at least 50 MB/s", Rate >= 50);
  PrintBenchRow("Import of a 100 MB exchange file: memory", BenchFigure("%.0f MB peak", Median(Peak)),
                BenchFigure("%.0f MB file", Megabytes), Memory, "at most 3", Memory <= 3);
  return 0;
}
