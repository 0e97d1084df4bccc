// The main window's life cycle: start-up, trips, pages, close.
#include <sys/stat.h>

#include <algorithm>

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>

#include "app/CalendarPage.h"
#include "app/GoShoppingPage.h"
#include "pages/LogisticsPage.h"
#include "pages/RecipesPage.h"
#include "store/DataFileFormat.h"
#include "support/MainFormFixture.h"
#include "widgets/CheckListBox.h"
#include "widgets/MonthGrid.h"

namespace {

QStringList SelectorEntries(QComboBox* Box) {
  QStringList Entries;
  for (int i = 0; i < Box->count(); ++i) Entries.append(Box->itemText(i));
  return Entries;
}

TEST_F(MainFormTest, FirstRunWithoutDataFile) {
  // No file at all is no failure: nothing is said.
  Open();
  EXPECT_EQ(Prompts.All(), QStringList{});
  EXPECT_EQ(Form->ComboBox1->count(), 0);
  EXPECT_EQ(Trip(), -1);

  Prompts.Clear();
  Prompts.InputAnswers.push_back("Bahamas2007");
  Form->Button1->click();
  EXPECT_EQ(Prompts.Texts("input"),
            QStringList{"Trip's Name|What do you want to call this trip (Ex: Bahamas2007)?"});
  EXPECT_EQ(SelectorEntries(Form->ComboBox1), QStringList{"Bahamas2007"});
  EXPECT_EQ(Trip(), 0);
  ASSERT_TRUE(CloseForm());
  EXPECT_TRUE(std::filesystem::exists("qmp.dat"));

  Prompts.Clear();
  Open();
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
  EXPECT_EQ(SelectorEntries(Form->ComboBox1), QStringList{"Bahamas2007"});
  EXPECT_EQ(Trip(), 0);
}

TEST_F(MainFormTest, CancelledTripNameAddsNothing) {
  for (const std::vector<std::string>& Trips : {std::vector<std::string>{}, std::vector<std::string>{"A"}}) {
    OpenWithTrips(Trips);
    Prompts.Clear();
    Form->Button1->click();  // no answer queued: Cancel, Esc or the close box
    EXPECT_EQ(Prompts.All(), QStringList{"input: Trip's Name|What do you want to call this trip (Ex: Bahamas2007)?"});
    EXPECT_EQ(Store().TripCount(), static_cast<int>(Trips.size()));
    EXPECT_EQ(Form->ComboBox1->count(), static_cast<int>(Trips.size()));
    EXPECT_EQ(Trip(), Trips.empty() ? -1 : 0);
  }
  Prompts.InputAnswers.push_back("");  // OK on an empty name still adds the trip
  Form->Button1->click();
  ASSERT_EQ(Store().TripCount(), 2);
  EXPECT_EQ(Store().GetTrip(1).Name, "");
}

TEST_F(MainFormTest, DeleteSelectsTheTripBefore) {
  OpenWithTrips({"A", "B", "C"});
  Form->ComboBox1->setCurrentIndex(1);
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Prompts.Texts("confirm"), QStringList{"Are you sure you want to delete this plan?"});
  EXPECT_EQ(SelectorEntries(Form->ComboBox1), (QStringList{"A", "C"}));
  EXPECT_EQ(Trip(), 0);
  EXPECT_EQ(Store().TripCount(), 2);
  EXPECT_EQ(Store().GetTrip(1).Name, "C");
}

TEST_F(MainFormTest, DeleteAnsweredNoKeepsTheTrip) {
  OpenWithTrips({"A", "B"});
  Prompts.ConfirmAnswers.push_back(false);
  Form->Button2->click();
  EXPECT_EQ(Store().TripCount(), 2);
  EXPECT_EQ(SelectorEntries(Form->ComboBox1), (QStringList{"A", "B"}));
  EXPECT_EQ(Trip(), 0);
}

// Every day text of the calendar, cell by cell.
QStringList AllDayTexts(TMonthGrid* Grid) {
  QStringList Texts;
  for (int Row = 1; Row < 7; ++Row)
    for (int Column = 0; Column < 7; ++Column) Texts += Grid->CellLines(Column, Row);
  return Texts;
}

// Gives trip 0 a plan and a note of today, shown on the pages.
void ShowSomethingOnThePages(TMainForm& Form) {
  const QDate Today = QDate::currentDate();
  Form.TripData().AddPlan(0, "Drive", "");
  Form.TripData().AddNote(0, {"Start"}, Today.day(), Today.month(), Today.year());
  Form.RefreshTripPages();
  ASSERT_EQ(Form.LogisticsPage->List->Count(), 1);
  ASSERT_EQ(AllDayTexts(Form.CalendarPage->StringGrid1), QStringList{"Start"});
}

TEST_F(MainFormTest, DeletingTheFirstTripLeavesNoneSelectedAndEmptiesThePages) {
  OpenWithTrips({"A", "C"});
  ShowSomethingOnThePages(*Form);
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(SelectorEntries(Form->ComboBox1), QStringList{"C"});
  EXPECT_EQ(Trip(), -1);
  EXPECT_EQ(Form->Context().Trip(), -1);
  // Nothing may go on showing the deleted trip.
  EXPECT_EQ(Form->LogisticsPage->List->Count(), 0);
  EXPECT_TRUE(AllDayTexts(Form->CalendarPage->StringGrid1).isEmpty());
}

TEST_F(MainFormTest, DeletingTheOnlyTripEmptiesEveryPage) {
  OpenWithTrips({"Solo"});
  ShowSomethingOnThePages(*Form);
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Form->LogisticsPage->List->Count(), 0);
  EXPECT_TRUE(AllDayTexts(Form->CalendarPage->StringGrid1).isEmpty());
}

TEST_F(MainFormTest, DeletingTheOnlyTripDisablesThePageShown) {
  OpenWithTrips({"Solo"});
  Form->SpeedButtons[TMainForm::GearPageIndex]->click();
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Store().TripCount(), 0);
  EXPECT_FALSE(Form->PageControl1->currentWidget()->isEnabled());
  // Adding a trip enables the page again.
  Prompts.InputAnswers.push_back("Next");
  Form->Button1->click();
  EXPECT_TRUE(Form->PageControl1->currentWidget()->isEnabled());
}

TEST_F(MainFormTest, PickingATripShowsChangedMessage) {
  OpenWithTrips({"A", "B"});
  Form->ComboBox1->setCurrentIndex(1);
  Form->ComboBox1Change();
  EXPECT_EQ(Prompts.Texts("message"), QStringList{"Changed to \"B\" trip plan"});
}

TEST_F(MainFormTest, PageTabWithoutTripAsksForOne) {
  OpenWithTrips({});
  Form->PageControl1->setCurrentIndex(TMainForm::RecipesPageIndex);
  EXPECT_EQ(Prompts.Texts("information"), QStringList{"Please add a new trip"});
  EXPECT_FALSE(Form->RecipesPage->isEnabled());
  EXPECT_TRUE(Form->SpeedButtons[TMainForm::RecipesPageIndex]->isChecked());

  Prompts.InputAnswers.push_back("Trip");
  Form->Button1->click();
  EXPECT_TRUE(Form->RecipesPage->isEnabled());
}

TEST_F(MainFormTest, TabsPutDownTheirPictureButtons) {
  OpenWithTrips({"A"});
  Form->PageControl1->setCurrentIndex(TMainForm::PermitsPageIndex);
  EXPECT_TRUE(Form->SpeedButtons[TMainForm::PermitsPageIndex]->isChecked());
  Form->PageControl1->setCurrentIndex(TMainForm::ContactsPageIndex);
  EXPECT_TRUE(Form->SpeedButtons[TMainForm::ContactsPageIndex]->isChecked());
  // The Go Shopping! page has no button: the last one stays down.
  Form->PageControl1->setCurrentIndex(TMainForm::GoShoppingPageIndex);
  EXPECT_TRUE(Form->SpeedButtons[TMainForm::ContactsPageIndex]->isChecked());
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(MainFormTest, PictureButtonSkipsTheTripCheck) {
  OpenWithTrips({});
  Prompts.Clear();
  Form->SpeedButtons[TMainForm::BudgetPageIndex]->click();
  EXPECT_EQ(Form->PageControl1->currentIndex(), TMainForm::BudgetPageIndex);
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(MainFormTest, PagesAndCaptionsInOrder) {
  OpenWithTrips({"A"});
  const QStringList Expected = {"Calendar", "Gear", "Logistics", "Calculator", "Shopping List",
                                "Recipes", "Permits Manager", "Contact Information",
                                "Budget Manager", "Reports", "Go Shopping!"};
  ASSERT_EQ(Form->PageControl1->count(), Expected.size());
  for (int i = 0; i < Expected.size(); ++i) {
    EXPECT_EQ(Form->PageControl1->tabText(i), Expected[i]);
    if (i < TMainForm::GoShoppingPageIndex)
      EXPECT_EQ(Form->SpeedButtons[static_cast<std::size_t>(i)]->toolTip(), Expected[i]);
  }
  EXPECT_EQ(Form->windowTitle(), "Quillmoor Planner");
}

TEST_F(MainFormTest, MenusOpenAddressAndAbout) {
  OpenWithTrips({"A"});
  Form->Updates1->trigger();
  EXPECT_EQ(Prompts.OpenedUrls, QStringList{Form->UpdatesAddress});
  EXPECT_FALSE(Form->UpdatesAddress.isEmpty());
  Form->About1->trigger();
  ASSERT_EQ(Prompts.Texts("message").size(), 1);
  EXPECT_TRUE(Prompts.Texts("message")[0].startsWith("Quillmoor Planner"));
}

TEST_F(MainFormTest, CloseSavesEveryTrip) {
  OpenWithTrips({"A"});
  Prompts.InputAnswers.push_back("B");
  Form->Button1->click();
  ASSERT_TRUE(CloseForm());
  TTravelerData Saved;
  ASSERT_TRUE(Saved.LoadFromFile());
  ASSERT_EQ(Saved.TripCount(), 2);
  EXPECT_EQ(Saved.GetTrip(1).Name, "B");
}

TEST_F(MainFormTest, StoreTooLargeForTheFileKeepsWindowOpenAndOldFile) {
  OpenWithTrips({"A"});
  const auto Before = Folder.Read("qmp.dat");
  for (int i = 0; i < 255; ++i) Store().AppendTrip();
  Prompts.Clear();
  EXPECT_FALSE(CloseForm());
  EXPECT_TRUE(Form->isVisible());
  ASSERT_EQ(Prompts.Texts("error").size(), 1);
  EXPECT_EQ(Prompts.Texts("error")[0],
            "Cannot save the trip plans: there are 256 trips; the data file holds at most 255.");
  EXPECT_EQ(Folder.Read("qmp.dat"), Before);
}

TEST_F(MainFormTest, FailedReplaceReportsAndKeepsWindow) {
  OpenWithTrips({"A"});
  // Something that cannot be replaced stands where the data file goes.
  std::filesystem::remove("qmp.dat");
  std::filesystem::create_directories("qmp.dat/inside");
  Prompts.Clear();
  // Replacing what changed on disk is asked first; the close anyway is refused.
  Prompts.ConfirmAnswers = {true, false};
  EXPECT_FALSE(CloseForm());
  EXPECT_TRUE(Form->isVisible());
  ASSERT_EQ(Prompts.Texts("error").size(), 1);
  EXPECT_TRUE(Prompts.Texts("error")[0].startsWith("Could not read 'qmp.dat': "))
      << Prompts.Texts("error")[0].toStdString();
  ASSERT_EQ(Prompts.Texts("confirm").size(), 2);
  EXPECT_TRUE(Prompts.Texts("confirm")[1].startsWith("Close anyway? The changes are kept in "));
  // No temporary file is left behind; the window's trips are in the recovery file.
  std::vector<std::string> Expected = {"qmp.dat", "qmp.dat.recovery"};
  auto Names = Folder.Names();
  std::sort(Names.begin(), Names.end());
  EXPECT_EQ(Names, Expected);
}

TEST_F(MainFormTest, DamagedFileIsKeptAside) {
  TTravelerData Original;
  Original.AppendTrip();
  Original.GetTrip(0).Name = "Kept";
  Original.AppendTrip();
  Original.GetTrip(1).Name = "Lost";
  Original.SaveToFile();
  auto Bytes = Folder.Read("qmp.dat");
  Bytes.resize(Bytes.size() - 20);  // cut into the second trip
  Folder.Write("qmp.dat", Bytes);

  Open();
  EXPECT_EQ(Prompts.All(), QStringList{"error: Error in loading data!"});
  // What was read is listed, in step with the store.
  EXPECT_EQ(Form->ComboBox1->count(), Store().TripCount());
  EXPECT_EQ(Form->ComboBox1->itemText(0), "Kept");

  Prompts.Clear();
  ASSERT_TRUE(CloseForm());
  ASSERT_EQ(Prompts.Texts("information").size(), 1);
  const QString Told = Prompts.Texts("information")[0];
  EXPECT_TRUE(Told.startsWith("The data file that could not be read was kept as \"qmp.dat.damaged-"))
      << Told.toStdString();
  std::vector<std::string> Aside;
  for (const auto& Name : Folder.Names())
    if (Name.rfind("qmp.dat.damaged-", 0) == 0) Aside.push_back(Name);
  ASSERT_EQ(Aside.size(), 1u);
  EXPECT_EQ(Folder.Read(Aside[0]), Bytes);
}

TEST_F(MainFormTest, ForeignFileIsKeptAsideToo) {
  Folder.Write("qmp.dat", {'h', 'e', 'l', 'l', 'o'});
  Open();
  EXPECT_EQ(Prompts.All(), QStringList{"error: Error in open data file!"});
  Prompts.Clear();
  ASSERT_TRUE(CloseForm());
  EXPECT_EQ(Prompts.Texts("information").size(), 1);
  TTravelerData Saved;
  EXPECT_TRUE(Saved.LoadFromFile());
}

}  // namespace

namespace {

bool FitsIn(const QSize& Size, const QSize& Room) {
  return Size.width() <= Room.width() && Size.height() <= Room.height();
}

// On small or scaled screens (1024 x 600, and 1280 x 1024 at twice the scale)
// the window and its minimum fit the screen, nothing is squeezed, and what
// does not fit scrolls: the pages and the column of picture buttons. Where
// the designed size fits, it is kept.
TEST_F(MainFormTest, SmallScreenKeepsEveryControlReachable) {
  OpenWithTrips({"A"});
  for (const QSize Screen : {QSize(1024, 600), QSize(640, 512)}) {
    SCOPED_TRACE(Screen.width());
    Form->FitToScreen(QRect(QPoint(0, 0), Screen));
    const QSize Room = Screen - TMainForm::WindowFrameAllowance;
    EXPECT_TRUE(FitsIn(Form->size(), Room));
    const QSize Minimum = Form->minimumSize().isNull() ? Form->minimumSizeHint() : Form->minimumSize();
    EXPECT_TRUE(FitsIn(Minimum, Room));
    Form->resize(Room);
    for (int Index = 0; Index < TMainForm::PageCount; ++Index) {
      Form->PageControl1->setCurrentIndex(Index);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      auto* Scroller = qobject_cast<QScrollArea*>(Form->PageControl1->widget(Index));
      ASSERT_NE(Scroller, nullptr);
      const QWidget* Page = Scroller->widget();
      EXPECT_TRUE(FitsIn(Page->minimumSizeHint(), Page->size())) << Index;
    }
    for (const QWidget* Control : std::initializer_list<const QWidget*>{
             Form->ComboBox1, Form->Button1, Form->Button2, Form->ComboBox2, Form->ComboBox3}) {
      EXPECT_TRUE(Form->rect().contains(QRect(Control->mapTo(Form.get(), QPoint(0, 0)), Control->size())));
      EXPECT_GE(Control->width(), Control->minimumSizeHint().width());
    }
    const QWidget* Column = Form->SpeedButtons[0]->parentWidget();
    EXPECT_TRUE(FitsIn(Column->minimumSizeHint(), Column->size()));
    EXPECT_NE(qobject_cast<QScrollArea*>(Column->parentWidget()->parentWidget()), nullptr);
  }
  Form->setMinimumSize(0, 0);
  Form->FitToScreen(QRect(0, 0, 1920, 1080));
  EXPECT_EQ(Form->size(), QSize(922, 695));
}

TEST_F(MainFormTest, AddressWithoutAProgramIsReportedByName) {
  OpenWithTrips({"A"});
  Prompts.UrlAnswers = {false, false};
  Form->Updates1->trigger();
  QStringList Expected{"This desktop has no program to open \"" + Form->UpdatesAddress + "\"."};
  Form->PageControl1->setCurrentIndex(TMainForm::GoShoppingPageIndex);
  if (!Form->GoShoppingPage->HasWebView()) {
    Form->GoShoppingPage->findChild<QPushButton*>()->click();
    Expected.append("This desktop has no program to open \"https://quillmoor.example/shop\".");
  }
  EXPECT_EQ(Prompts.Texts("error"), Expected);
}

TEST_F(MainFormTest, GoShoppingPageShowsTheShoppingAddress) {
  OpenWithTrips({"A"});
  EXPECT_EQ(Form->ShoppingAddress, "https://quillmoor.example/shop");
  EXPECT_EQ(Form->GoShoppingPage->Address(), Form->ShoppingAddress);
  Form->PageControl1->setCurrentIndex(TMainForm::GoShoppingPageIndex);
  if (!Form->GoShoppingPage->HasWebView()) {
    auto* Open = Form->GoShoppingPage->findChild<QPushButton*>();
    ASSERT_NE(Open, nullptr);
    Open->click();
    EXPECT_EQ(Prompts.OpenedUrls, QStringList{"https://quillmoor.example/shop"});
  }
}

TEST_F(MainFormTest, StartupConfigurationComesFromResources) {
  OpenWithTrips({"A"});
  EXPECT_EQ(Form->UpdatesAddress, "https://quillmoor.example/updates");
  EXPECT_FALSE(Form->ReportFooter.isEmpty());
  EXPECT_FALSE(Form->Image1->pixmap().isNull());
  EXPECT_TRUE(Form->AboutText.contains(QMP_TEST_VERSION)) << Form->AboutText.toStdString();
}

}  // namespace
