// Program entry: the application, its windows and the message loop.
#include <QApplication>

#include "app/MainUnit.h"
#include "app/Platform.h"
#include "app/QtPrompts.h"
#include "app/Unit2.h"

int main(int argc, char* argv[]) {
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);

  QtPrompts Prompts;
  TMainForm MainForm(Prompts);
  Prompts.SetParent(&MainForm);
  TfrmInput frmInput(&MainForm);
  Prompts.SetNoteEditor([&frmInput](const QStringList& Lines) { return frmInput.EditNote(Lines); });
  MainForm.show();
  return Application.exec();
}
