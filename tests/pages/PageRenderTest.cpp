// Draws the calendar and the plan pages with a realistic trip into PNG
// files, when the folder for them is given in QMP_RENDER_DIR; otherwise
// skipped.
#include <QDir>

#include "app/CalendarPage.h"
#include "support/PagesFixture.h"

namespace {

void BuildTrip(TTravelerData& Data) {
  Data.AppendTrip();
  Data.GetTrip(0).Name = "Sierra High Route";
  Data.AddNote(0, {"Drive to Bishop", "Pick up permits"}, 14, 7, 2007);
  Data.AddNote(0, {"Trailhead 7am"}, 15, 7, 2007);
  Data.AddNote(0, {"Resupply at Muir Ranch", "Call home", "Laundry", "Check weather", "Extra line"}, 21, 7,
               2007);
  Data.AddNote(0, {"Out at Whitney Portal"}, 28, 7, 2007);

  Data.AddPlan(0, "Shuttle to Roads End", "East Side Sierra Shuttle\r\nPick-up 6:30 at the motel\r\n$85 each");
  Data.AddPlan(0, "Car at Whitney Portal", "Leave the car on the overflow lot.");
  Data.AddPlan(0, "Food cache", "Mail bucket to Muir Trail Ranch by June 20.");

  Data.AddRecipe(0, "Three-bean chili", "Soak the beans at lunch.\r\nSimmer 20 minutes, stir in spices.");
  Data.GetRecipe(0, 0).Ingredients = {"Dehydrated beans 120 g", "Chili powder", "Onion flakes", "Olive oil 15 ml"};
  Data.AddRecipe(0, "Trail oatmeal", "Add boiling water, wait 5 minutes.");
  Data.GetRecipe(0, 1).Ingredients = {"Rolled oats", "Milk powder", "Raisins"};

  Data.AddContact(0);
  TContact& Ann = Data.GetContact(0, 0);
  Ann.Name = "Ann Keller";
  Ann.Nickname = "Annie";
  Ann.Hometown = "Fresno";
  Ann.CurrentMailingAddress = "12 Oak St, Fresno CA";
  Ann.EMail = "ann@example.com";
  Ann.Phone = "559-555-0101";
  Ann.EmergencyContactInformation = "Tom Keller 559-555-0188";
  Ann.AllergiesMedication = "Penicillin";
  Data.AddContact(0);
  Data.GetContact(0, 1).Name = "Bob Ortiz";

  Data.AddPermit(0, "Kings Canyon National Park");
  TPermit& Kings = Data.GetPermit(0, 0);
  Kings.Phone = "559-565-3766";
  Kings.Requirements = "Bear canister";
  Kings.Cost = "15";
  Kings.Dates = "July 15-28";
  Kings.Notes = "Pick up at Roads End";
  Data.AddPermit(0, "Inyo National Forest");
}

class PageRenderTest : public PagesTest {};

TEST_F(PageRenderTest, CalendarAndPlanPages) {
  const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
  if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the pages";
  OpenWith(BuildTrip);
  Form->resize(922, 695);
  Form->CalendarPage->ShowMonth(2007, 6);
  Form->CalendarPage->FillCalendarNotes();
  const auto Save = [&](int Page, const QString& Name) {
    ShowPage(Page);
    EXPECT_TRUE(Form->grab().save(QDir(Folder).filePath(Name + ".png")));
  };
  Save(TMainForm::CalendarPageIndex, "calendar");

  ClickEntry(Logistics().CheckListBox1, 0);
  Check(Logistics().CheckListBox1, {2});
  Save(TMainForm::LogisticsPageIndex, "logistics");

  ClickEntry(Recipes().CheckListBox3, 0);
  Check(Recipes().CheckListBox2, {1});
  Save(TMainForm::RecipesPageIndex, "recipes");

  ClickEntry(Permits().CheckListBox6, 0);
  Save(TMainForm::PermitsPageIndex, "permits");

  ClickEntry(Contacts().CheckListBox4, 0);
  Save(TMainForm::ContactsPageIndex, "contacts");
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

}  // namespace
