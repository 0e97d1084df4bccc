// Reads CSV gear lists of 2 million rows and prints the time and the peak
// memory each read takes, in a process of its own (this program with --read):
// one whose rows all fall into one category, which must stop at the data
// file's limit of 65,535 entries in a list, and one spread over 40
// categories, which the data file can hold.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "BenchProcess.h"
#include "BenchReport.h"
#include "reports/core/GearCsv.h"

namespace {

void WriteList(const std::string& File, int Categories) {
  std::ofstream Out(File, std::ios::binary);
  Out << "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\n";
  for (int r = 0; r < 2000000; ++r)
    Out << "Item " << r << ",Category " << r % Categories << ",,1," << r % 900 << ",g,,1.5,,\n";
}

// In a process of its own: reads File and prints seconds, peak memory added,
// items read (0 when the read stopped with a message).
int Read(const char* File) {
  const std::size_t Before = ProcessStatusBytes("VmRSS:");
  const auto Start = std::chrono::steady_clock::now();
  std::size_t Items = 0;
  try {
    Items = ReadGearCsvFile(File).ItemCount();
  } catch (const TCsvError&) {
  }
  const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  std::printf("%.6f %zu %zu\n", Seconds, ProcessStatusBytes("VmHWM:") - Before, Items);
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--read") == 0) return Read(argv[2]);
  namespace fs = std::filesystem;
  const fs::path Folder = fs::temp_directory_path() / ("qmp-gearcsv-" + std::to_string(getpid()));
  fs::create_directories(Folder);
  for (const int Categories : {1, 40}) {
    const std::string File = (Folder / ("gear-" + std::to_string(Categories) + ".csv")).string();
    WriteList(File, Categories);
    const double Megabytes = double(fs::file_size(File)) / 1e6;
    double Seconds = 0, Peak = 0, Items = 0;
    if (std::sscanf(RunAndRead("", {"--read", File}).c_str(), "%lf %lf %lf", &Seconds, &Peak, &Items) != 3) {
      std::printf("the read failed\n");
      return 1;
    }
    Peak /= 1e6;
    std::printf("%.1f MB, 2,000,000 rows in %d categor%s: %.2f s, peak %.1f MB, %.0f items read%s\n", Megabytes,
                Categories, Categories == 1 ? "y" : "ies", Seconds, Peak, Items,
                Items == 0 ? " (stopped at the limit)" : "");
    PrintBenchRow("CSV gear list of 2 million rows in " + std::to_string(Categories) + " categor" +
                      (Categories == 1 ? "y" : "ies") + ": memory",
                  BenchFigure("%.0f MB peak", Peak), BenchFigure("%.0f MB file", Megabytes), Peak / 300,
                  "at most 300 MB", Peak <= 300);
    fs::remove(File);
  }
  fs::remove_all(Folder);
  return 0;
}
