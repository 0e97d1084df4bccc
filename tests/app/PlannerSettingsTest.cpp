// The settings kept between runs (in the test run's own configuration
// folder): restored where they still apply.
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>

#include "app/PlannerSettings.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "widgets/ValueListEditor.h"
#include "support/MainFormFixture.h"

namespace {

class PlannerSettingsTest : public MainFormTest {
 protected:
  void TearDown() override { TPlannerSettings().Reset(); }
  void Pick(QComboBox* Box, int Index) {
    Box->setCurrentIndex(Index);
    emit Box->activated(Index);
  }
};

TEST_F(PlannerSettingsTest, RestoresUnitsTargetTripPageAndAFittingWindow) {
  OpenWithTrips({"Coast", "Ridge"});
  Pick(Form->ComboBox2, 3);  // Ounces
  Pick(Form->ComboBox3, 7);  // Liters
  Form->BudgetPage->SetTargetWeight(2.5);
  Pick(Form->ComboBox1, 1);
  Form->SpeedButtonClick(TMainForm::BudgetPageIndex);
  const QRect Room = QGuiApplication::primaryScreen()->availableGeometry();
  Form->resize(640, 520);
  Form->move(Room.topLeft() + QPoint(10, 20));
  const QPoint Position = Form->pos();
  TPlannerSettings().Save(*Form);

  struct TCase {
    std::vector<std::string> Trips;
    QString SelectedTrip;
  };
  // The trip comes back by position and name; another trip there is not it.
  for (const TCase& Case : {TCase{{"Coast", "Ridge"}, "Ridge"}, TCase{{"Coast", "Shore"}, "Coast"}}) {
    OpenWithTrips(Case.Trips);
    TPlannerSettings().Restore(*Form);
    EXPECT_EQ(Form->ComboBox2->currentText(), "Ounces");
    EXPECT_EQ(Form->ComboBox3->currentText(), "Liters");
    EXPECT_DOUBLE_EQ(Form->BudgetPage->TargetWeight(), 2.5);
    EXPECT_EQ(Form->BudgetPage->Edit15->text(), "88.185");
    EXPECT_EQ(Form->ComboBox1->currentText(), Case.SelectedTrip);
    EXPECT_EQ(Form->PageControl1->currentIndex(), TMainForm::BudgetPageIndex);
    EXPECT_EQ(Form->size(), QSize(640, 520));
    EXPECT_EQ(Form->pos(), Position);
  }

  // A window that no screen holds keeps its place; a reset forgets everything.
  Form->move(Room.bottomRight() + QPoint(50, 50));
  TPlannerSettings().Save(*Form);
  OpenWithTrips({"Coast"});
  const QPoint Centred = Form->pos();
  TPlannerSettings().Restore(*Form);
  EXPECT_EQ(Form->pos(), Centred);
  TPlannerSettings().Reset();
  OpenWithTrips({"Coast"});
  TPlannerSettings().Restore(*Form);
  EXPECT_EQ(Form->ComboBox2->currentText(), "Kilograms");
  EXPECT_EQ(Form->PageControl1->currentIndex(), TMainForm::CalendarPageIndex);
}

// Units restored at start do not show an item in the disabled item editor:
// it starts reset, as after any start.
TEST_F(PlannerSettingsTest, RestoredUnitsLeaveTheItemEditorReset) {
  const auto Build = [](TTravelerData& Store) {
    Store.AppendTrip();
    Store.AddGearCategory(0, "Shelter");
    Store.AddGearItem(0, 0, "Tent", "1.2", "300", "Yes", "9", "0.004", "");
  };
  OpenWith(Build);
  Pick(Form->ComboBox2, 3);  // Ounces
  TPlannerSettings().Save(*Form);
  OpenWith(Build);
  TPlannerSettings().Restore(*Form);
  EXPECT_EQ(Form->ComboBox2->currentText(), "Ounces");
  EXPECT_FALSE(Form->GearPage->ValueListEditor1->isEnabled());
  EXPECT_EQ(Form->GearPage->ValueListEditor1->Values(), (QStringList{"", "0", "0", "No", "10", "0", ""}));
}

}  // namespace
