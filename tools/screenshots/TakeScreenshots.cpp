// Renders the main window with the sample trip, one PNG per page, into the
// folder given (docs/). Runs without a display. With --dark first, the pages
// are drawn in the Fusion style with a dark palette, as on a dark desktop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

#include "ui/DarkPalette.h"
#include "SampleTrip.h"
#include "ui/Platform.h"
#include "app/CalculatorPage.h"
#include "app/MainUnit.h"
#include "calc/Unit3.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "reports/ReportsPage.h"
#include "widgets/CheckListBox.h"
#include "ui/Prompts.h"
#include "ui/SilentPrompts.h"

namespace {

// Clicks a row of a category tree as the user would.
void ClickRow(TCategoryTree* Tree, TTreeRow Row) {
  QTest::mouseClick(Tree->viewport(), Qt::LeftButton, Qt::NoModifier, Tree->RowRect(Row).center());
}

void SelectEntry(TListDetailsPage* Page, int Index) {
  Page->List->SelectSilently(Index);
  Page->ListClick();
}

// Puts the page shown in a state a user would look at: an entry selected,
// the statistics computed, a result on the calculator's tape.
void UsePage(TMainForm& Form, int Page) {
  QApplication::processEvents();
  switch (Page) {
    case TMainForm::GearPageIndex:
      ClickRow(Form.GearPage->ElTree1, {0, 0});
      for (QPushButton* Button : {Form.GearPage->DKButton1, Form.GearPage->Button23, Form.GearPage->Button38})
        Button->click();
      break;
    case TMainForm::ShoppingPageIndex:
      ClickRow(Form.ShoppingPage->ElTree2, {0, 1});
      Form.ShoppingPage->Button19->click();
      Form.ShoppingPage->Button39->click();
      break;
    case TMainForm::LogisticsPageIndex:
      SelectEntry(Form.LogisticsPage, 0);
      break;
    case TMainForm::RecipesPageIndex:
      SelectEntry(Form.RecipesPage, 1);
      break;
    case TMainForm::PermitsPageIndex:
      SelectEntry(Form.PermitsPage, 0);
      break;
    case TMainForm::ContactsPageIndex:
      SelectEntry(Form.ContactsPage, 0);
      break;
    case TMainForm::CalculatorPageIndex:
      for (int Key : {8, 14, 9, 16, 4, 23})  // 2 + 3 * 4 =
        Form.CalculatorPage->Calculator()->SpeedButton(Key)->click();
      break;
    case TMainForm::ReportsPageIndex:
      Form.ReportsPage->Button34->click();  // Compile Email Message
      Form.ReportsPage->CheckListBox5->SetChecked(0, true);
      Form.ReportsPage->CheckListBox5ClickCheck();
      break;
    default:
      break;
  }
}

const char* const PageFiles[TMainForm::PageCount] = {
    "calendar", "gear",   "logistics", "calculator", "shopping-list", "recipes",
    "permits",  "contacts", "budget",  "reports",    "go-shopping"};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);

  int Argument = 1;
  if (argc > Argument && QString(argv[Argument]) == "--dark") {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(DarkPalette());
    ++Argument;
  }
  const QDir Output(QDir::current().absoluteFilePath(argc > Argument ? argv[Argument] : "docs"));
  QTemporaryDir Work;
  std::filesystem::current_path(Work.path().toStdString());
  {
    TTravelerData Store;
    const QDate Today = QDate::currentDate();
    AddSampleTrip(Store, Today.year(), Today.month());
    Store.SaveToFile();
  }
  // The report template, as the run folder has it.
  QFile::copy(QMP_SOURCE_DIR "/resources/ReportTemplate.rtf", "ReportTemplate.rtf");

  TSilentPrompts Prompts;
  TMainForm Form(Prompts);
  Form.resize(922, 695);
  Form.show();
  Form.Timer1Timer();
  bool Ok = true;
  const auto Save = [&](const QString& Name) {
    QApplication::processEvents();
    Ok &= Form.grab().save(Output.filePath(QString("page-%1.png").arg(Name)));
  };
  for (int Page = 0; Page < TMainForm::PageCount; ++Page) {
    Form.PageControl1->setCurrentIndex(Page);
    UsePage(Form, Page);
    if (Page == TMainForm::BudgetPageIndex) {
      Form.BudgetPage->Button40->click();
      Save("budget-weight");
      Form.BudgetPage->Button32->click();
    }
    Save(PageFiles[Page]);
  }
  Form.close();
  if (!Ok) std::cerr << "qmp-screenshots: could not write into " << Output.path().toStdString() << "\n";
  return Ok ? 0 : 1;
}
