// Renders the Budget Manager page with a realistic trip into PNG files, when
// the folder for them is given in QMP_RENDER_DIR; otherwise skipped.
#include "BudgetFixture.h"
#include "gear/RealisticTrip.h"

namespace {

TEST_F(BudgetPageTest, RenderBothChartsWithARealisticTrip) {
  const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
  if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the page";
  OpenWith(BuildRealisticTrip);
  Form->resize(922, 695);
  ShowPage(TMainForm::BudgetPageIndex);
  Budget().RadioButton2->click();
  Budget().Button32->click();  // over the budget
  QApplication::processEvents();
  Form->grab().save(Folder + "/budget-costs.png");

  Budget().CheckBox13->click();
  PickWeightUnit(Pounds);
  TypeAndEnter(Budget().Edit15, "18");
  QApplication::processEvents();
  Form->grab().save(Folder + "/budget-weight.png");
  // The unit change on this page computed the costs budget once more.
  EXPECT_EQ(Prompts.Texts("message"), (QStringList{"Your over the budget.", "Your over the budget."}));
}

}  // namespace
