// Exporting and importing exchange files from the File menu and the pages.
#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "gear/GearPage.h"
#include "pages/RecipesPage.h"
#include "reports/core/ExchangeFile.h"
#include "support/MainFormFixture.h"
#include "widgets/CategoryTree.h"
#include "widgets/CheckListBox.h"

namespace {

class ExchangeCommandsTest : public MainFormTest {
 protected:
  void GiveGearAndRecipes(int Trip) {
    Store().AddGearCategory(Trip, "Shelter");
    Store().AddGearItem(Trip, 0, "Tent", "2", "100", "Yes", "9", "0.004", "");
    Store().AddRecipe(Trip, "Oats", "Boil");
    Form->RefreshTripPages();
  }
  std::string ExchangeFile() const { return Folder.File("plan.txt"); }
  std::string FileText(const std::string& Path) const {
    const std::vector<std::uint8_t> Bytes = Folder.Read(std::filesystem::path(Path).filename().string());
    return std::string(Bytes.begin(), Bytes.end());
  }
};

TEST_F(ExchangeCommandsTest, ExportThenImportTheWholeTrip) {
  OpenWithTrips({"Granite", "Other"});
  GiveGearAndRecipes(0);
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->ExportCurrentTripPlanToFile1->trigger();
  EXPECT_EQ(Prompts.Texts("save"), QStringList{"Export Trip"});
  ASSERT_TRUE(std::filesystem::exists(ExchangeFile()));

  Prompts.Clear();
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->ImportTripPlanFromTextFile1->trigger();
  EXPECT_EQ(Prompts.All(), QStringList{"open: Open text file"});  // no "Changed to" message
  ASSERT_EQ(Store().TripCount(), 3);
  EXPECT_EQ(Form->ComboBox1->count(), 3);
  EXPECT_EQ(Form->ComboBox1->itemText(2), "Granite");
  EXPECT_EQ(Trip(), 2);
  // The pages show the new trip.
  EXPECT_EQ(Form->GearPage->ElTree1->CategoryRowCount(), 1);
  EXPECT_EQ(Store().GetGearItem(2, 0, 0).Name, "Tent");
}

TEST_F(ExchangeCommandsTest, ImportOfAnotherKindOfFileSaysSo) {
  OpenWithTrips({"A"});
  Folder.Write("plan.txt", {'h', 'i', '\r', '\n'});
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->ImportTripPlanFromTextFile1->trigger();
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"This is not an Quillmoor Planner Exported File."});
  EXPECT_EQ(Store().TripCount(), 1);
  EXPECT_EQ(Form->ComboBox1->count(), 1);
}

TEST_F(ExchangeCommandsTest, DamagedOrCutShortImportAddsNothing) {
  OpenWithTrips({"A"});
  const std::string Opening = "Quillmoor Planner Exported File\r\nTrip Name = Broken\r\n\r\n[DATES]\r\n";
  const struct {
    std::string Text;
    QString Error;
  } Cases[] = {
      {Opening + "\t[x May 2020, a]\r\n\r\n[GEAR LIST]\r\n", "Line 5: 'x' is not a valid integer value."},
      {Opening + "\t[1 May 2020, a]\r\n\r\n[GEAR LIST]\r\n\t[Shelter]\r\n",
       "The file ends at line 8, in its [GEAR LIST] section, before the [BUDGET] section and budget line: it is "
       "incomplete."},
  };
  for (const auto& Case : Cases) {
    Prompts.Clear();
    Folder.Write("plan.txt", std::vector<std::uint8_t>(Case.Text.begin(), Case.Text.end()));
    Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
    Form->ImportTripPlanFromTextFile1->trigger();
    EXPECT_EQ(Prompts.Texts("error"), QStringList{Case.Error});
    EXPECT_EQ(Store().TripCount(), 1);
    EXPECT_EQ(Form->ComboBox1->count(), 1);
  }
  // A gear file cut inside an item adds none of the file's categories.
  const std::string Gear = "Quillmoor Planner Exported File\r\nTrip Name = G\r\n\r\n[GEAR LIST]\r\n\t[Shelter]\r\n"
                           "\t\t[Tent]\r\n\t\t\tWeight\t\t= 1\r\n";
  Prompts.Clear();
  Folder.Write("plan.txt", std::vector<std::uint8_t>(Gear.begin(), Gear.end()));
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->GearPage->Button42->click();
  EXPECT_EQ(Prompts.Texts("error"),
            QStringList{"The file ends at line 7, inside the gear item \"Tent\": it is incomplete."});
  EXPECT_EQ(Store().GearCategoryCount(0), 0);
}

TEST_F(ExchangeCommandsTest, CancelledDialogsDoNothing) {
  OpenWithTrips({"A"});
  Form->ExportCurrentTripPlanToFile1->trigger();
  Form->ImportTripPlanFromTextFile1->trigger();
  Form->GearPage->Button42->click();
  Form->RecipesPage->Button45->click();
  EXPECT_EQ(Prompts.All(), (QStringList{"save: Export Trip", "open: Open text file", "open: Open text file",
                                        "save: Export Trip"}));
  EXPECT_EQ(Store().TripCount(), 1);
  EXPECT_EQ(Folder.Names(), std::vector<std::string>{"qmp.dat"});
}

TEST_F(ExchangeCommandsTest, GearAndRecipesGoIntoTheSelectedTrip) {
  OpenWithTrips({"A", "B", "C"});
  GiveGearAndRecipes(0);
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->GearPage->Button43->click();
  Prompts.FileAnswers.push_back(Folder.File("recipes.txt").c_str());
  Form->RecipesPage->Button45->click();

  Form->ComboBox1->setCurrentIndex(1);
  Form->RefreshTripPages();
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->GearPage->Button42->click();
  Prompts.FileAnswers.push_back(Folder.File("recipes.txt").c_str());
  Form->RecipesPage->Button44->click();
  EXPECT_EQ(Store().GearCategoryCount(1), 1);
  EXPECT_EQ(Store().RecipeCount(1), 1);
  EXPECT_EQ(Store().GearCategoryCount(2), 0);
  // They show at once.
  EXPECT_EQ(Form->GearPage->ElTree1->CategoryRowCount(), 1);
  EXPECT_EQ(Form->RecipesPage->CheckListBox3->Count(), 1);
}

// The page left disabled for want of a trip is usable again once an import
// adds one, as after "Add Trip".
TEST_F(ExchangeCommandsTest, TripImportedIntoAnEmptyWindowIsShownOnAUsablePage) {
  {
    TTravelerData Other;
    Other.AppendTrip();
    Other.GetTrip(0).Name = "Granite";
    WriteExchangeFile(ExchangeFile(), Other, 0, TExchangeSections::WholeTrip());
  }
  OpenWithTrips({});
  Form->PageControl1->setCurrentIndex(TMainForm::GearPageIndex);
  ASSERT_FALSE(Form->PageControl1->currentWidget()->isEnabled());
  Prompts.FileAnswers.push_back(QString::fromStdString(ExchangeFile()));
  Form->ImportTripPlanFromTextFile1->trigger();
  EXPECT_EQ(Form->ComboBox1->currentText(), "Granite");
  EXPECT_TRUE(Form->PageControl1->currentWidget()->isEnabled());
}

TEST_F(ExchangeCommandsTest, ExportWithoutTripsWritesNothing) {
  OpenWithTrips({});
  Form->ExportCurrentTripPlanToFile1->trigger();
  EXPECT_TRUE(Prompts.Shown.empty());
}

}  // namespace

// The gear list as CSV: by the .csv name from the Gear page's buttons, and
// from the File menu; a bad record imports nothing and says where.
TEST_F(ExchangeCommandsTest, GearListAsCsvFromTheGearPageAndTheFileMenu) {
  OpenWithTrips({"Granite", "Other"});
  GiveGearAndRecipes(0);
  Form->ComboBox2->setCurrentIndex(0);  // grams
  const std::string Csv = Folder.File("gear.CSV");
  Prompts.FileAnswers = {QString::fromStdString(Csv)};
  Form->GearPage->Button43->click();
  EXPECT_EQ(FileText(Csv),
            "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\r\n"
            "Tent,Shelter,,1,2000,gram,,100,,\r\n");

  Form->ComboBox1->setCurrentIndex(1);
  Prompts.FileAnswers = {QString::fromStdString(Csv)};
  Prompts.PreviewAnswers = {true};
  Form->GearPage->Button42->click();
  ASSERT_EQ(Store().GearCategoryCount(1), 1);
  EXPECT_EQ(Store().GetGearItem(1, 0, 0).Weight, "2");
  EXPECT_EQ(Form->GearPage->ElTree1->CategoryRowCount(), 1);

  Folder.Write("bad.csv", [] {
    const std::string Text = "Item Name,Category,weight,unit\nStove,Kitchen,1,kg\nPot,Kitchen,x,kg\n";
    return std::vector<std::uint8_t>(Text.begin(), Text.end());
  }());
  Prompts.Clear();
  Prompts.FileAnswers = {QString::fromStdString(Folder.File("bad.csv"))};
  Form->ImportGearListFromCsvFile1->trigger();
  EXPECT_EQ(Prompts.All(), (QStringList{"open: Open CSV file",
                                        "error: Nothing was imported from \"bad.csv\". Line 3: the weight \"x\" "
                                        "is not a number."}));
  EXPECT_EQ(Store().GearCategoryCount(1), 1);

  Prompts.Clear();
  Prompts.FileAnswers = {QString::fromStdString(Folder.File("menu.csv"))};
  Form->ExportGearListToCsvFile1->trigger();
  EXPECT_EQ(Prompts.All(), QStringList{"save: Export Gear List"});
  EXPECT_EQ(FileText(Folder.File("menu.csv")), FileText(Csv));

  // The whole trip is exchange text whatever its name.
  Form->ComboBox1->setCurrentIndex(0);
  Prompts.FileAnswers = {QString::fromStdString(Folder.File("trip.csv"))};
  Form->ExportCurrentTripPlanToFile1->trigger();
  EXPECT_EQ(FileText(Folder.File("trip.csv")).rfind("Quillmoor Planner Exported File\r\n", 0), 0u);
}

// The preview comes before anything is added: Cancel adds nothing, OK adds
// what it showed. A file whose weights name no unit asks for one first.
TEST_F(ExchangeCommandsTest, CsvImportShowsWhatItWillAddFirst) {
  OpenWithTrips({"Granite"});
  Form->ComboBox2->setCurrentIndex(0);  // grams
  Folder.Write("pack.csv", [] {
    const std::string Text = "My pack,,\ngroup,gear,wt\nShelter,Tent,1.5\nShelter,Stakes,\nTOTAL,,\n";
    return std::vector<std::uint8_t>(Text.begin(), Text.end());
  }());
  const QString File = QString::fromStdString(Folder.File("pack.csv"));
  const QString Preview =
      "Columns: name \u2190 gear, weight \u2190 wt, category \u2190 group\n"
      "1 category, 2 items, total weight 680.3893642 gr\n"
      "Skipped: 1 line above the header, 1 summary row\n"
      "No weight, added with weight 0: \"Stakes\" (line 4)\n"
      "Shelter | Tent | 680.3893642 gr | 0 | \n"
      "Shelter | Stakes | 0 gr | 0 | ";

  Prompts.FileAnswers = {File};
  Prompts.ChoiceAnswers = {2};  // Pounds
  Prompts.PreviewAnswers = {false};
  Form->ImportGearListFromCsvFile1->trigger();
  EXPECT_EQ(Prompts.All(), (QStringList{"open: Open CSV file",
                                        "choice: Import Gear List|The weights in \"pack.csv\" name no unit. Which "
                                        "unit are they in?",
                                        "preview: " + Preview}));
  EXPECT_EQ(Store().GearCategoryCount(0), 0);

  Prompts.Clear();
  Prompts.FileAnswers = {File};
  Prompts.ChoiceAnswers = {-1};
  Form->ImportGearListFromCsvFile1->trigger();
  EXPECT_EQ(Prompts.Texts("preview"), QStringList());  // no unit, no import
  EXPECT_EQ(Store().GearCategoryCount(0), 0);

  Prompts.Clear();
  Prompts.FileAnswers = {File};
  Prompts.ChoiceAnswers = {2};
  Prompts.PreviewAnswers = {true};
  Form->GearPage->Button42->click();
  ASSERT_EQ(Store().GearCategoryCount(0), 1);
  ASSERT_EQ(Store().GearItemCount(0, 0), 2);
  EXPECT_EQ(Store().GetGearItem(0, 0, 0).Weight, "0.68038936415346");
  EXPECT_EQ(Form->GearPage->ElTree1->CategoryRowCount(), 1);
}
