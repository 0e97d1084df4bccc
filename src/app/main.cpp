// Program entry: the command line, the data folder, the application, its
// windows and the message loop.
#include <QApplication>
#include <QTimer>

#include "app/MainUnit.h"
#include "app/Platform.h"
#include "app/PlannerCommandLine.h"
#include "app/QtPrompts.h"
#include "app/Unit2.h"

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
  const QString FolderError = CommandLine.EnterDataFolder();
  if (!FolderError.isEmpty()) {
    Prompts.Error(FolderError);
    return 1;
  }
  TMainForm MainForm(Prompts);
  Prompts.SetParent(&MainForm);
  TfrmInput frmInput(&MainForm);
  Prompts.SetNoteEditor([&frmInput](const QStringList& Lines) { return frmInput.EditNote(Lines); });
  MainForm.show();
  if (CommandLine.QuitAfterStart())
    QObject::connect(MainForm.Timer1, &QTimer::timeout, &MainForm, &QWidget::close, Qt::QueuedConnection);
  return Application.exec();
}
