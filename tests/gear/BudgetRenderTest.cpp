// Renders the Budget Manager page into PNG files, when the folder for them is
// given in QMP_RENDER_DIR; otherwise skipped.
#include "BudgetFixture.h"
#include "support/RealisticTrip.h"

namespace {

class BudgetRenderTest : public BudgetPageTest {
 protected:
  void SetUp() override {
    Folder = qEnvironmentVariable("QMP_RENDER_DIR");
    if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the page";
  }
  // Opens the window at its first size on the Budget Manager page.
  void OpenOnTheBudgetPage(const std::function<void(TTravelerData&)>& Build) {
    OpenWith(Build);
    Form->resize(922, 695);
    ShowPage(TMainForm::BudgetPageIndex);
  }
  void Save(const QString& Name) {
    QApplication::processEvents();
    Form->grab().save(Folder + "/" + Name);
  }
  QString Folder;
};

TEST_F(BudgetRenderTest, BothChartsWithARealisticTrip) {
  OpenOnTheBudgetPage(BuildRealisticTrip);
  Budget().RadioButton2->click();
  Budget().Button32->click();  // over the budget
  Save("budget-costs.png");

  Budget().CheckBox13->click();
  PickWeightUnit(Pounds);
  TypeAndEnter(Budget().Edit15, "18");
  Save("budget-weight.png");
  // The unit change on this page computed the costs budget once more.
  EXPECT_EQ(Prompts.Texts("message"), (QStringList{"Your over the budget.", "Your over the budget."}));
}

// A trip without a figure, and one whose many categories give many small slices.
void BuildEmptyAndCrowdedTrips(TTravelerData& Store) {
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Nothing planned yet";
  Store.AppendTrip();
  Store.GetTrip(1).Name = "Many categories";
  const char* Names[] = {"Shelter", "Kitchen", "Clothing", "Navigation", "First aid", "Water", "Electronics",
                         "Toiletries", "Repair kit", "Photography equipment and spare batteries", "Fishing", "Misc"};
  const char* Weights[] = {"3", "0.05", "0.04", "0.03", "0.02", "0.5", "0.01", "0.01", "0.02", "0.03", "0.2", "0.01"};
  for (int c = 0; c < 12; ++c) {
    Store.AddGearCategory(1, Names[c]);
    Store.AddGearItem(1, c, "item", Weights[c], "1", "No", "5", "0", "");
  }
}

TEST_F(BudgetRenderTest, EmptyAndCrowdedCharts) {
  OpenOnTheBudgetPage(BuildEmptyAndCrowdedTrips);
  Budget().Button32->click();
  Save("budget-costs-empty.png");

  Form->ComboBox1->setCurrentIndex(1);
  Form->ComboBox1Change();
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "2");
  Save("budget-weight-crowded.png");
  EXPECT_EQ(Prompts.Texts("message"),
            (QStringList{"Changed to \"Many categories\" trip plan",
                         "Target weight exceded. Maybe you should take some stuff out."}));
}

}  // namespace
