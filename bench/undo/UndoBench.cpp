// Undo and redo in the real main window (offscreen): one step undone and
// redone on the sample trip and on a store of about 20 MB, what recording a
// step adds to a committed edit, and what typing into a box costs each key on
// the 20 MB store while the history watches (its comparison waits for a
// pause in the typing).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "SeasonOfPlans.h"
#include "BenchReport.h"
#include "SampleTrip.h"
#include "app/MainUnit.h"
#include "app/UndoRecorder.h"
#include "gear/BudgetPage.h"
#include "store/DataFileFormat.h"
#include "ui/SilentPrompts.h"

namespace {

double Milliseconds(const std::function<void()>& Work) {
  const auto Start = std::chrono::steady_clock::now();
  Work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

struct TFigures {
  double Record = 0;  // median, ms
  double Undo = 0;
  double Redo = 0;
  std::size_t Bytes = 0;
  bool AllTaken = false;
};

// Opens a main window on Store (written to qmp.dat in the current folder).
std::unique_ptr<TMainForm> OpenOn(TTravelerData& Store, IPrompts& Prompts) {
  Store.SaveToFile();
  auto Form = std::make_unique<TMainForm>(Prompts);
  Form->show();
  Form->Timer1Timer();
  Settle();
  return Form;
}

// Edits a gear item Rounds times, recording each edit, then undoes and redoes.
TFigures MeasureSteps(TMainForm& Form, int Rounds) {
  TFigures Figures;
  TUndoRecorder& Recorder = Form.UndoRecorder();
  Figures.Bytes = DataFileBytes(Form.TripData()).size();
  std::vector<double> Record, Undo, Redo;
  for (int r = 0; r < Rounds; ++r) {
    Form.TripData().GetGearItem(0, 0, 0).Weight = std::to_string(1.5 + r);
    Record.push_back(Milliseconds([&] { Recorder.CheckNow(); }));
  }
  for (int r = 0; r < Rounds; ++r) {
    Undo.push_back(Milliseconds([&] { Recorder.UndoAction->trigger(); }));
    Redo.push_back(Milliseconds([&] { Recorder.RedoAction->trigger(); }));
    Undo.push_back(Milliseconds([&] { Recorder.UndoAction->trigger(); }));
  }
  // Every round undid one step more than it redid.
  Figures.AllTaken = Recorder.History().RedoCount() == static_cast<std::size_t>(Rounds) &&
                     Recorder.History().UndoCount() == 0;
  Figures.Record = Median(Record);
  Figures.Undo = Median(Undo);
  Figures.Redo = Median(Redo);
  return Figures;
}

void SendKey(QWidget* Box, QChar Character) {
  QKeyEvent Press(QEvent::KeyPress, Qt::Key_0 + (Character.unicode() - '0'), Qt::NoModifier, QString(Character));
  QKeyEvent Release(QEvent::KeyRelease, Qt::Key_0 + (Character.unicode() - '0'), Qt::NoModifier, QString(Character));
  QApplication::sendEvent(Box, &Press);
  QApplication::sendEvent(Box, &Release);
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir Config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config.path()));
  QApplication Application(argc, argv);
  QTemporaryDir Folder;
  std::filesystem::current_path(Folder.path().toStdString());
  TSilentPrompts Prompts;

  TTravelerData Sample;
  AddSampleTrip(Sample, 2026, 7);
  auto SampleForm = OpenOn(Sample, Prompts);
  const TFigures Small = MeasureSteps(*SampleForm, 30);
  SampleForm.reset();

  TTravelerData Big;
  AddSeasonOfPlans(Big);
  auto BigForm = OpenOn(Big, Prompts);
  const TFigures Wide = MeasureSteps(*BigForm, 5);

  // Typing into the budget box of the 20 MB store: each key is handled at
  // once; the comparison runs once, at the pause.
  BigForm->SpeedButtonClick(TMainForm::BudgetPageIndex);
  QLineEdit* Box = BigForm->BudgetPage->Edit21;
  Box->setFocus();
  Settle();
  const std::size_t StepsBefore = BigForm->UndoRecorder().History().UndoCount();
  std::vector<double> Keys;
  for (int k = 0; k < 200; ++k) Keys.push_back(Milliseconds([&] { SendKey(Box, QChar('0' + k % 10)); }));
  const bool NoStepWhileTyping = BigForm->UndoRecorder().History().UndoCount() == StepsBefore;
  const double LongestKey = *std::max_element(Keys.begin(), Keys.end());
  QElapsedTimer Pause;
  Pause.start();
  while (BigForm->UndoRecorder().History().UndoCount() == StepsBefore && Pause.elapsed() < 5000) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  const bool OneStepAtThePause = BigForm->UndoRecorder().History().UndoCount() == StepsBefore + 1;
  const double PauseCheck = Milliseconds([&] {
    BigForm->TripData().SetBudget(0, "7");
    BigForm->UndoRecorder().CheckNow();
  });

  std::printf("sample trip: %.0f KB; 20 MB store: %.1f MB\n", Small.Bytes / 1e3, Wide.Bytes / 1e6);
  if (!Small.AllTaken || !Wide.AllTaken) std::printf("UNDO OR REDO DID NOT TAKE EVERY STEP\n");
  std::printf("recording a step: sample %.3f ms, 20 MB %.1f ms (at a click or a pause in typing)\n", Small.Record,
              Wide.Record);
  std::printf("undo / redo: sample %.2f / %.2f ms, 20 MB %.0f / %.0f ms\n", Small.Undo, Small.Redo, Wide.Undo,
              Wide.Redo);
  std::printf("typing into the budget box, 20 MB store: median %.3f ms, longest %.2f ms a key; %s while typing; "
              "%s at the pause\n",
              Median(Keys), LongestKey, NoStepWhileTyping ? "no comparison" : "COMPARED",
              OneStepAtThePause ? "one step" : "NO STEP");
  PrintBenchRow("Undo of one step, sample trip", BenchFigure("%.2f ms", Small.Undo), "-", Small.Undo / 20,
                "under 20 ms", Small.Undo < 20);
  PrintBenchRow("Redo of one step, sample trip", BenchFigure("%.2f ms", Small.Redo), "-", Small.Redo / 20,
                "under 20 ms", Small.Redo < 20);
  PrintBenchRow("Undo of one step, 20 MB store", BenchFigure("%.0f ms", Wide.Undo), "-", Wide.Undo / 300,
                "under 300 ms", Wide.Undo < 300);
  PrintBenchRow("Redo of one step, 20 MB store", BenchFigure("%.0f ms", Wide.Redo), "-", Wide.Redo / 300,
                "under 300 ms", Wide.Redo < 300);
  PrintBenchRow("Recording a step after a committed edit, sample trip", BenchFigure("%.3f ms", Small.Record), "-",
                Small.Record / 2, "under 2 ms", Small.Record < 2);
  PrintBenchRow("Typing a key into a box, 20 MB store", BenchFigure("longest %.2f ms", LongestKey),
                BenchFigure("comparison at the pause %.0f ms", PauseCheck), LongestKey / 16,
                "no comparison while typing, under 16 ms a key", NoStepWhileTyping && OneStepAtThePause && LongestKey < 16);
  std::filesystem::current_path("/");
  return 0;
}
