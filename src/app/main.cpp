// Program entry: the command line, the data folder, the application, its
// windows and the message loop.
#include <QApplication>
#include <QTimer>

#include "app/MainUnit.h"
#include "app/PlannerCommandLine.h"
#include "app/PlannerSettings.h"
#include "app/TerminationSignals.h"
#include "app/TestHook.h"
#include "app/Unit2.h"
#include "startup/DataFolderLock.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "ui/Platform.h"
#include "ui/QtPrompts.h"

int main(int argc, char* argv[]) {
  if (TPlannerCommandLine::AsksOnlyForText(argc, argv)) {
    // --help and --version answer without a window system.
    QCoreApplication TextOnly(argc, argv);
    TPlannerCommandLine().Process(TextOnly);
    return 0;
  }
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);
  TPlannerCommandLine CommandLine;
  CommandLine.Process(Application);

  QtPrompts Prompts;
  const auto TestHook = TTestHook::FromEnvironment();
  IPrompts& UserPrompts = TestHook ? *TestHook : static_cast<IPrompts&>(Prompts);
  const QString FolderError = CommandLine.EnterDataFolder();
  if (!FolderError.isEmpty()) {
    UserPrompts.Error(FolderError);
    return 1;
  }
  // One writer per folder: a second planner ends without writing anything.
  // Whether the holder on another computer still runs cannot be told from
  // here: the user may take its lock over.
  TDataFolderLock Lock;
  if (!Lock.TryLock()) {
    if (Lock.Holder() != TDataFolderLock::THolder::OtherComputer) {
      UserPrompts.Error(Lock.HeldElsewhereText());
      return 1;
    }
    if (!UserPrompts.ConfirmDefaultNo(Lock.HeldElsewhereText() +
                                      " Open them here anyway? Only do so when nothing on that computer has them "
                                      "open any more."))
      return 1;
    if (!Lock.TakeOver()) {
      UserPrompts.Error(Lock.HeldElsewhereText());
      return 1;
    }
  }
  // Under the lock: what an interrupted save of this program left.
  RemoveLeftoverTempFiles(DataFileName, RecoveryFileName);

  TMainForm MainForm(UserPrompts);
  Prompts.SetParent(&MainForm);
  TfrmInput frmInput(&MainForm);
  Prompts.SetNoteEditor([&frmInput](const QStringList& Lines) { return frmInput.EditNote(Lines); });
  // Endings that are not a close: saved the same way, without dialogs.
  TTerminationSignals Signals;
  QObject::connect(&Signals, &TTerminationSignals::Received, &MainForm, &TMainForm::EndSession);
  // Units, window and selection as the last run left them.
  TPlannerSettings Settings;
  if (CommandLine.ResetSettings()) Settings.Reset();
  Settings.Restore(MainForm);
  QObject::connect(&Application, &QGuiApplication::commitDataRequest, &MainForm, [&MainForm, &Settings] {
    MainForm.SaveForSessionEnd();
    Settings.Save(MainForm);
  });
  MainForm.show();
  if (TestHook) TestHook->RunClicks(MainForm);
  if (CommandLine.QuitAfterStart())
    QObject::connect(MainForm.Timer1, &QTimer::timeout, &MainForm, &QWidget::close, Qt::QueuedConnection);
  const int ExitCode = Application.exec();
  Settings.Save(MainForm);
  return ExitCode;
}
