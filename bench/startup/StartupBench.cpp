// Time from starting the program to its main window shown, with the sample
// trip in qmp.dat, against a minimal Qt Widgets window started the same way
// in the same run. Each start is a new process: the parent
// notes the time, starts the child, and the child prints the time at which
// its window has been painted for the first time. Runs alternate between the
// two windows and the medians are compared.
//
// Uses the display of DISPLAY when there is one (scripts/bench.sh starts a
// private Xvfb), otherwise the offscreen platform.
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "BenchReport.h"
#include "FirstPaint.h"
#include "SampleTrip.h"
#include "app/MainUnit.h"
#include "ui/Platform.h"
#include "ui/QtPrompts.h"
#include "app/Unit2.h"

namespace {



// The planner as its program entry starts it.
int RunPlanner(int argc, char** argv) {
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);
  QtPrompts Prompts;
  TMainForm MainForm(Prompts);
  Prompts.SetParent(&MainForm);
  TfrmInput frmInput(&MainForm);
  MainForm.move(MainForm.screen()->availableGeometry().center() - MainForm.rect().center());
  TFirstPaint Watch(MainForm);
  MainForm.show();
  return Application.exec();
}

// Starts Program with Args and returns seconds until its window was shown.
double TimeStart(const std::string& Program, const std::vector<std::string>& Args) {
  const double Start = MonotonicSeconds();
  const std::string Output = RunAndRead(Program, Args);
  if (Output.empty()) return -1;
  return std::strtod(Output.c_str(), nullptr) - Start;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--planner") == 0) return RunPlanner(argc, argv);
  const int Runs = argc > 1 ? std::atoi(argv[1]) : 11;

  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string Platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                   ? "X display " + qEnvironmentVariable("DISPLAY").toStdString()
                                   : qEnvironmentVariable("QT_QPA_PLATFORM").toStdString();

  // A folder holding the sample trip, as the planner's working directory.
  namespace fs = std::filesystem;
  const std::string Self = fs::canonical("/proc/self/exe").string();
  // The minimal window is a program of its own that links Qt Widgets only.
  const std::string MinimalProgram = (fs::path(Self).parent_path() / "startup_minimal_window").string();
  const fs::path Folder = fs::temp_directory_path() / ("qmp-startup-" + std::to_string(getpid()));
  fs::create_directories(Folder);
  {
    const std::time_t Now = std::time(nullptr);
    const std::tm Today = *std::localtime(&Now);
    TTravelerData Store;
    AddSampleTrip(Store, Today.tm_year + 1900, Today.tm_mon + 1);
    Store.SaveToFile((Folder / "qmp.dat").string());
  }
  fs::current_path(Folder);

  std::vector<double> Planner, Minimal;
  TimeStart(Self, {"--planner"});  // warm the file cache
  TimeStart(MinimalProgram, {});
  for (int r = 0; r < Runs; ++r) {
    Minimal.push_back(TimeStart(MinimalProgram, {}));
    Planner.push_back(TimeStart(Self, {"--planner"}));
  }
  fs::current_path(Folder.parent_path());
  fs::remove_all(Folder);
  for (const double Took : Planner)
    if (Took < 0) {
      std::printf("the planner did not start\n");
      return 1;
    }

  const double PlannerMedian = Median(Planner), MinimalMedian = Median(Minimal);
  std::printf("start to window shown (%s), median of %d runs\n", Platform.c_str(), Runs);
  std::printf("  planner, sample trip:   %8.1f ms\n", PlannerMedian * 1e3);
  std::printf("  minimal Qt window:      %8.1f ms\n", MinimalMedian * 1e3);
  PrintBenchRow("Start to window shown, sample trip (" + Platform + ")", BenchFigure("%.0f ms", PlannerMedian * 1e3),
                BenchFigure("minimal Qt window %.0f ms", MinimalMedian * 1e3), PlannerMedian / MinimalMedian,
                "at most 2", PlannerMedian <= 2 * MinimalMedian);
  return 0;
}
