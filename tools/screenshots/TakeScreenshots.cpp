// Renders the main window with the sample trip, one PNG per page, into the
// folder given (docs/). Runs without a display.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

#include "SampleTrip.h"
#include "app/Platform.h"
#include "app/MainUnit.h"
#include "app/Prompts.h"

namespace {

// Answers every question as a user who cancels, and shows nothing.
class TSilentPrompts : public IPrompts {
 public:
  void ShowMessage(const QString&) override {}
  void Information(const QString&) override {}
  bool Confirm(const QString&) override { return false; }
  void Error(const QString& Text) override { std::cerr << "error box: " << Text.toStdString() << "\n"; }
  bool InputQuery(const QString&, const QString&, QString&) override { return false; }
  QStringList EditNote(const QStringList&) override { return {}; }
  QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
  bool PrintDialog(QPrinter&) override { return false; }
  void OpenUrl(const QString&) override {}
  QString ClipboardText() override { return {}; }
  void SetClipboardText(const QString&) override {}
};

const char* const PageFiles[TMainForm::PageCount] = {
    "calendar", "gear",   "logistics", "calculator", "shopping-list", "recipes",
    "permits",  "contacts", "budget",  "reports",    "go-shopping"};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);

  const QDir Output(QDir::current().absoluteFilePath(argc > 1 ? argv[1] : "docs"));
  QTemporaryDir Work;
  std::filesystem::current_path(Work.path().toStdString());
  {
    TTravelerData Store;
    const QDate Today = QDate::currentDate();
    AddSampleTrip(Store, Today.year(), Today.month());
    Store.SaveToFile();
  }

  TSilentPrompts Prompts;
  TMainForm Form(Prompts);
  Form.resize(922, 695);
  Form.show();
  Form.Timer1Timer();
  bool Ok = true;
  for (int Page = 0; Page < TMainForm::PageCount; ++Page) {
    Form.PageControl1->setCurrentIndex(Page);
    QApplication::processEvents();
    const QString File = Output.filePath(QString("page-%1.png").arg(PageFiles[Page]));
    Ok &= Form.grab().save(File);
  }
  Form.close();
  if (!Ok) std::cerr << "qmp-screenshots: could not write into " << Output.path().toStdString() << "\n";
  return Ok ? 0 : 1;
}
