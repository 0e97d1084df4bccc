// Loads dense rich text (a format change every few characters, long
// paragraphs) of 16 KB to 4 MB into the report editor, printing the time
// against the size, the ratio of the 4 MB time to the 1 MB time (linear
// loading gives about 4) and the memory the largest load took.
// "rtf_bench 50" also tries a 50 MB document.
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "reports/core/RtfReader.h"
#include "widgets/RtfEdit.h"

namespace {

// Paragraphs of about 8 KB, each word in another format.
std::string DenseRtf(std::size_t Size) {
  static const char* const Formats[] = {"\\b ", "\\i ", "\\ul ", "\\cf1 ", "\\fs28 ", "\\f1 "};
  std::string Rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
      "{\\colortbl ;\\red200\\green0\\blue0;}\r\n";
  std::size_t Word = 0;
  while (Rtf.size() < Size) {
    Rtf += "{";
    Rtf += Formats[Word % 6];
    Rtf += "word" + std::to_string(Word % 1000) + " \\'e9}";
    if (++Word % 600 == 0) Rtf += "\\par\r\n";
  }
  return Rtf + "}";
}

long PeakKilobytes() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss;
}

double ReadMilliseconds(const std::string& Rtf) {
  const auto Start = std::chrono::steady_clock::now();
  const TRtfDocument Document = ReadRtf(Rtf);
  const std::chrono::duration<double, std::milli> Took = std::chrono::steady_clock::now() - Start;
  return Took.count();
}

// The editor is emptied first: freeing the earlier document is not timed.
double LoadMilliseconds(TRtfEdit& Editor, const std::string& Rtf) {
  Editor.LoadRichText("");
  const auto Start = std::chrono::steady_clock::now();
  Editor.LoadRichText(Rtf);
  const std::chrono::duration<double, std::milli> Took = std::chrono::steady_clock::now() - Start;
  return Took.count();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  TRtfEdit Editor;
  Editor.resize(800, 600);
  std::printf("%10s %12s %10s %12s\n", "size", "load ms", "ms per MB", "of it read");
  double Megabyte = 0;
  double FourMegabytes = 0;
  for (std::size_t Size = 16 * 1024; Size <= 4 * 1024 * 1024; Size *= 2) {
    const std::string Rtf = DenseRtf(Size);
    const double Ms = LoadMilliseconds(Editor, Rtf);
    std::printf("%9zuK %12.1f %10.1f %12.1f\n", Size / 1024, Ms, Ms / (Rtf.size() / 1048576.0),
                ReadMilliseconds(Rtf));
    if (Size == 1024 * 1024) Megabyte = Ms;
    if (Size == 4 * 1024 * 1024) FourMegabytes = Ms;
  }
  std::printf("4 MB / 1 MB time ratio: %.2f (linear: 4)\n", FourMegabytes / Megabyte);
  Editor.LoadRichText("");
  std::printf("peak memory so far: %ld MB\n", PeakKilobytes() / 1024);
  if (argc > 1) {
    const std::size_t Size = std::strtoul(argv[1], nullptr, 10) * 1024 * 1024;
    const std::string Rtf = DenseRtf(Size);
    const long Before = PeakKilobytes();
    try {
      const double Ms = LoadMilliseconds(Editor, Rtf);
      std::printf("%zu MB: %.0f ms, peak memory %ld MB (was %ld MB)\n", Size >> 20, Ms, PeakKilobytes() / 1024,
                  Before / 1024);
    } catch (const std::exception& Error) {
      std::printf("%zu MB: refused: %s\n", Size >> 20, Error.what());
    }
  }
  return 0;
}
