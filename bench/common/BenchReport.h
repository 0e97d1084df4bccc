// What every benchmark program prints: its figures as it likes, and one table
// row per target, "| what | figure | baseline | ratio | target | met |", which
// scripts/bench.sh gathers into one table.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <algorithm>

inline std::string BenchFigure(const char* Format, double Value) {
  char Text[64];
  std::snprintf(Text, sizeof Text, Format, Value);
  return Text;
}

inline void PrintBenchRow(const std::string& What, const std::string& Figure, const std::string& Baseline,
                          double Ratio, const std::string& Target, bool Met) {
  std::printf("| %s | %s | %s | %.2f | %s | %s |\n", What.c_str(), Figure.c_str(), Baseline.c_str(), Ratio,
              Target.c_str(), Met ? "yes" : "NO");
  std::fflush(stdout);
}

inline double Median(std::vector<double> Values) {
  if (Values.empty()) return 0;
  std::sort(Values.begin(), Values.end());
  const std::size_t Middle = Values.size() / 2;
  return Values.size() % 2 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2;
}
