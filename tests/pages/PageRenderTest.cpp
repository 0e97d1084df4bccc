// Every page drawn with a realistic trip. With QMP_RENDER_DIR set, the
// pictures are written there as PNG files for a look by eye.
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

#include "app/CalendarPage.h"
#include "support/MainFormFixture.h"

namespace {

class PageRenderTest : public MainFormTest {
 protected:
  void SetUp() override {
    OpenWithTrips({"Sierra High Route"});
    TTravelerData& Data = Store();
    Data.AddNote(0, {"Drive to Bishop", "Pick up permits"}, 14, 7, 2007);
    Data.AddNote(0, {"Trailhead 7am"}, 15, 7, 2007);
    Data.AddNote(0, {"Resupply at Muir Ranch", "Call home", "Laundry", "Check weather", "Extra line"},
                 21, 7, 2007);
    Data.AddNote(0, {"Out at Whitney Portal"}, 28, 7, 2007);
    Form->CalendarPage->ShowMonth(2007, 6);
    Form->RefreshTripPages();
  }
  // Draws page Index; writes it when a folder for the pictures is given.
  void Render(int Index, const QString& Name) {
    Form->PageControl1->setCurrentIndex(Index);
    const QPixmap Picture = Form->grab();
    EXPECT_FALSE(Picture.isNull());
    const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
    if (!Folder.isEmpty()) EXPECT_TRUE(Picture.save(QDir(Folder).filePath(Name + ".png")));
  }
};

TEST_F(PageRenderTest, Calendar) {
  Render(TMainForm::CalendarPageIndex, "calendar");
}

}  // namespace
