// Renders the pages with a realistic trip into PNG files, when the folder
// for them is given in QMP_RENDER_DIR; otherwise skipped.
#include <QPixmap>
#include <QTabWidget>

#include "GearFixture.h"
#include "support/RealisticTrip.h"

namespace {

TEST_F(GearPageTest, RenderPagesWithARealisticTrip) {
  const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
  if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the pages";
  OpenWith(BuildRealisticTrip);
  Form->resize(922, 695);
  PickWeightUnit(2);  // pounds
  ShowPage(TMainForm::GearPageIndex);
  Click(Gear().ElTree1, {0, 0});
  Gear().DKButton1->click();
  Gear().Button23->click();
  Gear().Button38->click();
  Form->grab().save(Folder + "/gear.png");

  ShowPage(TMainForm::ShoppingPageIndex);
  Click(Shopping().ElTree2, {0, 1});
  Click(Shopping().ElTree2, {1, 0}, Qt::ControlModifier);
  Shopping().Button19->click();
  Shopping().Button39->click();
  Form->grab().save(Folder + "/shopping.png");
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

}  // namespace
