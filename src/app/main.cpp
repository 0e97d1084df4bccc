// Program entry: the application, its windows and the message loop.
#include <unistd.h>

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QStyle>
#include <clocale>
#include <cstdlib>
#include <locale>

#include "app/Fonts.h"
#include "app/MainUnit.h"
#include "app/QtPrompts.h"
#include "app/Unit2.h"

int main(int argc, char* argv[]) {
#ifdef QMP_HAVE_WEBENGINE
  // The web view's sandbox cannot run as root; keep it for everyone else.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
  QApplication Application(argc, argv);
  Q_INIT_RESOURCE(resources);
  Application.setApplicationName("Quillmoor Planner");
  Application.setApplicationDisplayName("Quillmoor Planner");
  // Collation and case mapping follow the user's regional settings; number
  // text is parsed with its own rules.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  try {
    std::locale::global(std::locale(std::locale(""), std::locale::classic(), std::locale::numeric));
  } catch (const std::exception&) {
  }
  RegisterFontSubstitutes();
  QFont Default("MS Sans Serif");
  Default.setPointSize(8);
  Application.setFont(Default);

  QtPrompts Prompts;
  TMainForm MainForm(Prompts);
  Prompts.SetParent(&MainForm);
  TfrmInput frmInput(&MainForm);
  Prompts.SetNoteEditor([&frmInput](const QStringList& Lines) { return frmInput.EditNote(Lines); });
  MainForm.move(MainForm.screen()->availableGeometry().center() - MainForm.rect().center());
  MainForm.show();
  return Application.exec();
}
