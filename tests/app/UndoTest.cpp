// Undo and redo through the Edit menu and its keys: every kind of change,
// made through the page's own controls, undone gives back the store byte for
// byte, and redone gives the changed store again; and Rename Trip and
// Duplicate Trip.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <fstream>
#include <functional>

#include "app/CalendarPage.h"
#include "app/UndoRecorder.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "reports/core/ExchangeFile.h"
#include "store/DataFileFormat.h"
#include "support/PagesFixture.h"
#include "widgets/CategoryTree.h"
#include "widgets/MonthGrid.h"

inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace {

class UndoTest : public PagesTest {
 protected:
  // One trip "Coast" with something on every page, and a second trip "Ridge".
  void OpenSample() {
    OpenWith([](TTravelerData& Data) {
      Data.AppendTrip();
      Data.GetTrip(0).Name = "Coast";
      Data.AddNote(0, {"Trailhead 8am"}, 14, 3, 2007);
      Data.AddGearCategory(0, "Kitchen");
      for (const char* Item : {"Stove", "Pot", "Spoon", "Mug", "Lighter"})
        Data.AddGearItem(0, 0, Item, "0.2", "10", "Yes", "8", "0.001", "");
      Data.AddGearCategory(0, "Shelter");
      Data.AddGearItem(0, 1, "Tent", "1.2", "300", "Yes", "10", "0.01", "green");
      Data.AddPlan(0, "Drive", "Leave at six");
      Data.AddShopingCategory(0, "Food");
      Data.AddShopingItem(0, 0, "Rice", "3.5", "Market", "1", "");
      Data.AddRecipe(0, "Porridge", "Boil water");
      Data.GetRecipe(0, 0).Ingredients = {"Oats", "Salt"};
      Data.AddContact(0);
      Data.GetContact(0, 0).Name = "Ann";
      Data.AddPermit(0, "Glacier");
      Data.SetBudget(0, "100");
      Data.AppendTrip();
      Data.GetTrip(1).Name = "Ridge";
    });
    Form->CalendarPage->ShowMonth(2007, 2);
    Form->CalendarPage->FillCalendarNotes();
    Settle();
  }

  // Lets the comparison after input run.
  void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  TStoreBytes Bytes() { return DataFileBytes(Store()); }
  TUndoRecorder& Recorder() { return Form->UndoRecorder(); }

  void ClickButton(QPushButton* Button) {
    ShowPageOf(Button);
    QTest::mouseClick(Button, Qt::LeftButton);
    Settle();
  }
  void ClickRow(TCategoryTree* Tree, TTreeRow Row) {
    ShowPageOf(Tree);
    QTest::mouseClick(Tree->viewport(), Qt::LeftButton, {}, Tree->RowRect(Row).center());
    Settle();
  }
  QRect DayCell(int Day) {
    TMonthGrid* Grid = Form->CalendarPage->StringGrid1;
    for (int Row = 1; Row < TMonthGrid::RowCount; ++Row)
      for (int Column = 0; Column < TMonthGrid::ColumnCount; ++Column)
        if (Grid->DayAt(Column, Row) == Day) return Grid->CellRect(Column, Row);
    return {};
  }
  void ClickDay(int Day, bool Twice) {
    ShowPage(TMainForm::CalendarPageIndex);
    TMonthGrid* Grid = Form->CalendarPage->StringGrid1;
    QTest::mouseClick(Grid, Qt::LeftButton, {}, DayCell(Day).center());
    if (Twice) QTest::mouseDClick(Grid, Qt::LeftButton, {}, DayCell(Day).center());
    Settle();
  }
  std::string WriteTripFile(const TExchangeSections& Sections) {
    TTravelerData Scratch;
    Scratch.AppendTrip();
    Scratch.GetTrip(0).Name = "Imported";
    Scratch.AddGearCategory(0, "Water");
    Scratch.AddGearItem(0, 0, "Filter", "0.1", "40", "Yes", "9", "0", "");
    Scratch.AddRecipe(0, "Soup", "Stir");
    const std::string Name = "trip.txt";
    WriteExchangeFile(Name, Scratch, 0, Sections);
    return Name;
  }
};

struct TUndoCase {
  const char* Label;  // the step's name in the Edit menu
  std::function<void()> Act;
};

TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneByteForByte) {
  const std::vector<TUndoCase> Cases = {
      {"Add Trip", [this] { Prompts.InputAnswers.push_back("Lakes"); ClickButton(Form->Button1); }},
      {"Delete Trip", [this] { Prompts.ConfirmAnswers.push_back(true); ClickButton(Form->Button2); }},
      {"Rename Trip", [this] { Prompts.InputAnswers.push_back("Shore"); Form->RenameTrip1->trigger(); }},
      {"Duplicate Trip", [this] { Form->DuplicateTrip1->trigger(); }},
      {"Add Note on Calendar page",
       [this] { Prompts.NoteAnswers.push_back({"Ranger"}); ClickDay(21, true); }},
      {"Delete Note on Calendar page",
       [this] {
         ClickDay(14, false);
         Form->CalendarPage->Deletetext1->trigger();
       }},
      {"Add Category on Gear page",
       [this] { Type(Form->GearPage->Edit3, "Water"); ClickButton(Form->GearPage->Button7); }},
      {"Delete Category on Gear page",
       [this] { ClickRow(Form->GearPage->ElTree1, {0, -1}); ClickButton(Form->GearPage->Button10); }},
      {"Add Item on Gear page",
       [this] { ClickRow(Form->GearPage->ElTree1, {1, -1}); ClickButton(Form->GearPage->Button8); }},
      {"Edit Item on Gear page",
       [this] {
         ClickRow(Form->GearPage->ElTree1, {1, 0});
         Form->GearPage->ValueListEditor1->EnterValue(1, "2.5");
       }},
      {"Delete Item on Gear page",
       [this] { ClickRow(Form->GearPage->ElTree1, {0, 2}); ClickButton(Form->GearPage->Button10); }},
      {"Add Plan on Logistics page",
       [this] { Type(Logistics().NameBox, "Shuttle"); ClickButton(Logistics().AddButton); }},
      {"Delete Plan on Logistics page",
       [this] { Check(Logistics().List, {0}); ClickButton(Logistics().DeleteCheckedButton); }},
      {"Edit Plan on Logistics page",
       [this] { ClickEntry(Logistics().List, 0); Type(Logistics().RichEdit1, " sharp"); }},
      {"Add Category on Shopping List page",
       [this] { Type(Form->ShoppingPage->Edit11, "Fuel"); ClickButton(Form->ShoppingPage->AddCategoryButton); }},
      {"Add Item on Shopping List page",
       [this] {
         ClickRow(Form->ShoppingPage->ElTree2, {0, -1});
         ClickButton(Form->ShoppingPage->AddItemButton);
       }},
      {"Add Recipe on Recipes page",
       [this] { Type(Recipes().Edit12, "Stew"); ClickButton(Recipes().Button20); }},
      {"Add Ingredient on Recipes page",
       [this] {
         ClickEntry(Recipes().CheckListBox3, 0);
         Type(Recipes().Edit13, "Milk");
         ClickButton(Recipes().Button26);
       }},
      {"Delete Recipe on Recipes page",
       [this] { Check(Recipes().CheckListBox3, {0}); ClickButton(Recipes().Button25); }},
      {"Add Contact on Contact Information page",
       [this] { Type(Contacts().NameBox, "Bo"); ClickButton(Contacts().AddButton); }},
      {"Edit Contact on Contact Information page",
       [this] {
         ClickEntry(Contacts().List, 0);
         Contacts().Grid->EnterValue(1, "Annie");
       }},
      {"Delete Contact on Contact Information page",
       [this] { Check(Contacts().List, {0}); ClickButton(Contacts().DeleteCheckedButton); }},
      {"Add Permit on Permits Manager page",
       [this] { Type(Permits().NameBox, "Yosemite"); ClickButton(Permits().AddButton); }},
      {"Delete Permit on Permits Manager page",
       [this] { Check(Permits().List, {0}); ClickButton(Permits().DeleteCheckedButton); }},
      {"Change Budget on Budget Manager page",
       [this] { Type(Form->BudgetPage->Edit21, "5"); }},
      {"Import Trip Plan From Text File",
       [this] {
         Prompts.FileAnswers.push_back(QString::fromStdString(WriteTripFile({})));
         Form->ImportTripPlanFromTextFile1->trigger();
       }},
      {"Import on Gear page",
       [this] {
         Prompts.FileAnswers.push_back(QString::fromStdString(WriteTripFile(TExchangeSections::GearOnly())));
         ClickButton(Form->GearPage->Button42);
       }},
      {"Import on Recipes page",
       [this] {
         Prompts.FileAnswers.push_back(QString::fromStdString(WriteTripFile(TExchangeSections::RecipesOnly())));
         ClickButton(Recipes().Button44);
       }},
      {"Import Gear List From CSV File on Gear page",
       [this] {
         std::ofstream("gear.csv") << "Item Name,Category,weight,unit\r\nKnife,Tools,90,g\r\n";
         Prompts.FileAnswers.push_back("gear.csv");
         Prompts.PreviewAnswers.push_back(true);  // OK in the preview
         Form->ImportGearListFromCsvFile1->trigger();
       }},
  };
  for (const TUndoCase& Case : Cases) {
    SCOPED_TRACE(Case.Label);
    OpenSample();
    const TStoreBytes Before = Bytes();
    Case.Act();
    Settle();
    const TStoreBytes After = Bytes();
    ASSERT_NE(Before, After) << Prompts.All().join("\n").toStdString();
    emit Form->Edit1->aboutToShow();  // the Edit menu opens
    Recorder().UndoAction->trigger();
    EXPECT_TRUE(Bytes() == Before) << Prompts.All().join("\n").toStdString();
    EXPECT_EQ(Recorder().RedoAction->text(), QString("&Redo ") + Case.Label);
    EXPECT_FALSE(Recorder().UndoAction->isEnabled());
    Recorder().RedoAction->trigger();
    EXPECT_TRUE(Bytes() == After);
    EXPECT_EQ(Recorder().UndoAction->text(), QString("&Undo ") + Case.Label);
    EXPECT_FALSE(Recorder().RedoAction->isEnabled());
    EXPECT_EQ(Form->ComboBox1->count(), Store().TripCount());
  }
}

TEST_F(UndoTest, KeysUndoAndRedoAndTheDeletedCategoryComesBackSelected) {
  OpenSample();
  EXPECT_EQ(Recorder().UndoAction->text(), "&Undo");
  EXPECT_FALSE(Recorder().UndoAction->isEnabled());
  const TStoreBytes Before = Bytes();
  ClickRow(Form->GearPage->ElTree1, {0, -1});
  ClickButton(Form->GearPage->Button10);
  EXPECT_EQ(Form->statusBar()->currentMessage(), "Deleted category \"Kitchen\" with 5 items. Ctrl+Z undoes it.");
  EXPECT_EQ(Recorder().UndoAction->text(), "&Undo Delete Category on Gear page");
  const TStoreBytes After = Bytes();
  ShowPage(TMainForm::CalendarPageIndex);

  Form->GearPage->ElTree1->setFocus();
  QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Bytes() == Before);
  EXPECT_EQ(Form->PageControl1->currentIndex(), TMainForm::GearPageIndex);
  EXPECT_EQ(Form->GearPage->ElTree1->SelectedRows(), (std::vector<TTreeRow>{{0, -1}}));
  EXPECT_EQ(Form->GearPage->Edit3->text(), "Kitchen");
  QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(Bytes() == After);
  QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(Bytes() == After);
}

TEST_F(UndoTest, TypingIsOneStepAndCtrlZInTheBoxUndoesTheTypingFirst) {
  OpenSample();
  const TStoreBytes Original = Bytes();
  Check(Logistics().List, {0});
  ClickButton(Logistics().DeleteCheckedButton);
  ShowPage(TMainForm::BudgetPageIndex);
  QLineEdit* Box = Form->BudgetPage->Edit21;
  const TStoreBytes Before = Bytes();
  Type(Box, "25");
  Settle();
  // The box has typing of its own to undo: the key is the box's.
  QTest::keyClick(Box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Box->text(), "100");
  EXPECT_EQ(Store().GetBudget(0), "100");
  // Nothing more to undo in the box: the key undoes the step before.
  QTest::keyClick(Box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Bytes() == Original);
  EXPECT_EQ(Form->PageControl1->currentIndex(), TMainForm::LogisticsPageIndex);
  Recorder().RedoAction->trigger();
  ShowPage(TMainForm::BudgetPageIndex);
  Type(Box, "7");
  Recorder().CheckNow();
  Type(Box, "5");
  Recorder().CheckNow();
  EXPECT_EQ(Store().GetBudget(0), "10075");
  // Two pauses in one burst: one step.
  Recorder().UndoAction->trigger();
  EXPECT_TRUE(Bytes() == Before);
  EXPECT_EQ(Recorder().History().UndoCount(), 1u);
}

TEST_F(UndoTest, RenameAndDuplicateTrip) {
  OpenSample();
  Prompts.InputAnswers.push_back(QString());  // Cancel
  const TStoreBytes Before = Bytes();
  Form->RenameTrip1->trigger();
  EXPECT_EQ(Prompts.Texts("input"), QStringList{"Rename Trip|What do you want to call this trip?"});
  EXPECT_TRUE(Bytes() == Before);
  EXPECT_FALSE(Recorder().UndoAction->isEnabled());

  Prompts.InputAnswers.push_back("Shore");
  Form->RenameTrip1->trigger();
  EXPECT_EQ(Store().GetTrip(0).Name, "Shore");
  EXPECT_EQ(Form->ComboBox1->itemText(0), "Shore");

  Form->DuplicateTrip1->trigger();
  ASSERT_EQ(Store().TripCount(), 3);
  EXPECT_EQ(Form->ComboBox1->currentIndex(), 2);
  EXPECT_EQ(Form->ComboBox1->currentText(), "Copy of Shore");
  TTravelerData Copy;
  Copy.LoadFromBytes(Bytes());
  Copy.GetTrip(2).Name = "Shore";
  Copy.DeleteTrip(1, false);
  Copy.DeleteTrip(0, false);
  TTravelerData Original;
  Original.LoadFromBytes(Bytes());
  Original.DeleteTrip(2, false);
  Original.DeleteTrip(1, false);
  EXPECT_TRUE(DataFileBytes(Copy) == DataFileBytes(Original));
  EXPECT_EQ(Form->GearPage->ElTree1->CategoryRowCount(), 2);

  Recorder().UndoAction->trigger();
  Recorder().UndoAction->trigger();
  EXPECT_TRUE(Bytes() == Before);
  EXPECT_EQ(Form->ComboBox1->itemText(0), "Coast");
}

TEST_F(UndoTest, UndoingTheOnlyTripLeavesTheWindowAsWithoutTrips) {
  OpenWithTrips({});
  Prompts.InputAnswers.push_back("Solo");
  QTest::mouseClick(Form->Button1, Qt::LeftButton);
  Settle();
  ASSERT_EQ(Store().TripCount(), 1);
  Recorder().UndoAction->trigger();
  EXPECT_EQ(Store().TripCount(), 0);
  EXPECT_EQ(Form->ComboBox1->count(), 0);
  EXPECT_FALSE(Form->PageControl1->currentWidget()->isEnabled());
  Recorder().RedoAction->trigger();
  EXPECT_EQ(Form->ComboBox1->currentText(), "Solo");
  EXPECT_TRUE(Form->PageControl1->currentWidget()->isEnabled());
}

TEST_F(UndoTest, DuplicateRefusedWhenTheDataFileHoldsNoMoreTrips) {
  OpenWith([](TTravelerData& Data) {
    for (int t = 0; t < MaxTrips; ++t) Data.AppendTrip();
  });
  const TStoreBytes Before = Bytes();
  Form->DuplicateTrip1->trigger();
  EXPECT_EQ(Prompts.Texts("error"),
            QStringList{"Cannot duplicate the trip: the store would hold 256 trips; the data file holds at most 255."});
  EXPECT_TRUE(Bytes() == Before);
  EXPECT_EQ(Form->ComboBox1->count(), MaxTrips);
}

TEST_F(UndoTest, HistoryKeepsTwoHundredSteps) {
  OpenSample();
  ShowPage(TMainForm::LogisticsPageIndex);
  const TStoreBytes Before = Bytes();
  for (int i = 0; i < 210; ++i) {
    Logistics().NameBox->setText(QString("Plan %1").arg(i));
    ClickButton(Logistics().AddButton);
  }
  EXPECT_EQ(Store().PlanCount(0), 211);
  EXPECT_GE(Recorder().History().UndoCount(), 200u);
  while (Recorder().UndoAction->isEnabled()) Recorder().UndoAction->trigger();
  EXPECT_TRUE(Bytes() == Before);
}

}  // namespace
