// Every window and dialog fits the screen it opens on, with every control
// reachable: on a 1024 x 600 screen, on the same screen at twice the scale
// (512 x 300 in the program's pixels), and at the designed size where it
// fits.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <vector>

#include "app/Unit2.h"
#include "calc/Unit3.h"
#include "reports/Unit4.h"
#include "support/ScriptedPrompts.h"
#include "ui/ScreenFit.h"
#include "widgets/RtfEdit.h"

namespace {

bool FitsIn(const QSize& Size, const QSize& Room) {
  return Size.width() <= Room.width() && Size.height() <= Room.height();
}

void SettleLayouts() {
  for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// A control is reachable when it lies in its window, or in the contents of
// a scroll area that lies in its window.
void ExpectReachable(QWidget& Window, QWidget& Control) {
  const QRect InWindow(Control.mapTo(&Window, QPoint(0, 0)), Control.size());
  if (Window.rect().contains(InWindow)) return;
  for (QWidget* Above = Control.parentWidget(); Above && Above != &Window; Above = Above->parentWidget()) {
    auto* Scroller = qobject_cast<QScrollArea*>(Above);
    if (!Scroller || !Scroller->widget()) continue;
    const QRect InContents(Control.mapTo(Scroller->widget(), QPoint(0, 0)), Control.size());
    const QRect Area(Scroller->mapTo(&Window, QPoint(0, 0)), Scroller->size());
    EXPECT_TRUE(Scroller->widget()->rect().contains(InContents)) << Control.metaObject()->className();
    EXPECT_TRUE(Window.rect().contains(Area));
    return;
  }
  ADD_FAILURE() << Control.metaObject()->className() << " " << Control.objectName().toStdString()
                << " lies outside its window";
}

void ExpectEveryControlReachable(QWidget& Window) {
  int Controls = 0;
  for (QWidget* Child : Window.findChildren<QWidget*>()) {
    const bool IsControl = qobject_cast<QAbstractButton*>(Child) || qobject_cast<QLineEdit*>(Child) ||
                           qobject_cast<QComboBox*>(Child) || qobject_cast<QAbstractSpinBox*>(Child) ||
                           qobject_cast<QTextEdit*>(Child) || qobject_cast<QPlainTextEdit*>(Child);
    if (!IsControl || !Child->isVisibleTo(&Window) || Child->window() != &Window) continue;
    // A line edit inside a combo box or spin box is part of it.
    if (qobject_cast<QLineEdit*>(Child) && Child->parentWidget() != nullptr &&
        (qobject_cast<QComboBox*>(Child->parentWidget()) || qobject_cast<QAbstractSpinBox*>(Child->parentWidget())))
      continue;
    ++Controls;
    ExpectReachable(Window, *Child);
  }
  EXPECT_GT(Controls, 0);
}

struct TWindowCase {
  const char* Name;
  std::function<std::unique_ptr<QWidget>(IPrompts&)> Make;
  QSize Designed;  // empty: the size the toolkit gives it
};

void PrintTo(const TWindowCase& Case, std::ostream* Out) { *Out << Case.Name; }

const QRect SmallScreen(0, 0, 1024, 600);
const QRect ScaledScreen(0, 0, 512, 300);  // 1024 x 600 at twice the scale
const QRect LargeScreen(0, 0, 1920, 1080);

class ScreenFitTest : public ::testing::TestWithParam<TWindowCase> {
 protected:
  TScriptedPrompts Prompts;
};

TEST_P(ScreenFitTest, FitsSmallAndScaledScreensWithEveryControlReachable) {
  for (const QRect& Screen : {SmallScreen, ScaledScreen}) {
    SCOPED_TRACE(Screen.width());
    std::unique_ptr<QWidget> Window = GetParam().Make(Prompts);
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    TScreenFit::Fit(*Window, Screen);
    SettleLayouts();
    const QRect Frame(Window->pos(), Window->size() + TScreenFit::FrameAllowance);
    EXPECT_TRUE(FitsIn(Frame.size(), Screen.size()));
    EXPECT_TRUE(Screen.contains(Frame));
    ExpectEveryControlReachable(*Window);
  }
}

const std::vector<TWindowCase> WindowCases = {
    TWindowCase{"Report",
                    [](IPrompts& Prompts) {
                      auto Window = std::make_unique<TfrmReport>(Prompts, nullptr);
                      Window->RichEdit1->setPlainText("Sierra High Route");
                      return std::unique_ptr<QWidget>(std::move(Window));
                    },
                    QSize(760, 640)},
    TWindowCase{"Note", [](IPrompts&) { return std::unique_ptr<QWidget>(std::make_unique<TfrmInput>()); },
                    QSize(380, 109)},
        // Floating where "UnDock" puts it, on its own.
    TWindowCase{"Calculator",
                    [](IPrompts&) {
                      auto Window = std::make_unique<TfrmCalc>();
                      Window->setWindowFlags(Qt::Tool);
                      Window->move(TfrmCalc::FloatLeft, TfrmCalc::FloatTop);
                      return std::unique_ptr<QWidget>(std::move(Window));
                    },
                    TfrmCalc::DesignedSize},
    TWindowCase{"SaveDialog",
                    [](IPrompts&) {
                      auto Dialog = std::make_unique<QFileDialog>(nullptr, "Export Report", QString(),
                                                                  "Word RTF File (*.rtf);;Text File (*.txt)");
                      Dialog->setOption(QFileDialog::DontUseNativeDialog);
                      Dialog->setAcceptMode(QFileDialog::AcceptSave);
                      return std::unique_ptr<QWidget>(std::move(Dialog));
                    },
                    QSize()},
    TWindowCase{"InputDialog",
                    [](IPrompts&) {
                      auto Dialog = std::make_unique<QInputDialog>();
                      Dialog->setWindowTitle("Add Trip");
                      Dialog->setLabelText("Trip Plan Name:");
                      return std::unique_ptr<QWidget>(std::move(Dialog));
                    },
                    QSize()}};

INSTANTIATE_TEST_SUITE_P(Windows, ScreenFitTest, ::testing::ValuesIn(WindowCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ScreenFitDesignedSizeTest, IsKeptWhereItFits) {
  TScriptedPrompts Prompts;
  for (const TWindowCase& Case : WindowCases) {
    if (Case.Designed.isEmpty()) continue;  // sized by the toolkit
    SCOPED_TRACE(Case.Name);
    std::unique_ptr<QWidget> Window = Case.Make(Prompts);
    TScreenFit::Fit(*Window, LargeScreen);
    EXPECT_EQ(Window->size(), Case.Designed);
  }
}

// The application fits each window as it is shown: the report window made
// larger than the test screen opens within it, and a dialog that grows on
// screen beyond it is fitted again, its controls scrolling.
TEST(ScreenFitApplicationTest, WindowsAreFittedAsTheyAreShownAndAsTheyGrow) {
  TScriptedPrompts Prompts;
  TfrmReport Report(Prompts, nullptr);
  const QRect Available = TScreenFit::AvailableArea(Report);
  Report.resize(Available.size() + QSize(100, 100));
  Report.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Report));
  EXPECT_TRUE(FitsIn(Report.size() + TScreenFit::FrameAllowance, Available.size()));
  ExpectEveryControlReachable(Report);

  QDialog Growing;
  auto* Layout = new QVBoxLayout(&Growing);
  auto* Ok = new QPushButton("Ok");
  auto* Tall = new QWidget;
  Tall->setMinimumSize(200, 2 * Available.height());
  Tall->hide();
  Layout->addWidget(Tall);
  Layout->addWidget(Ok);
  Growing.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Growing));
  Tall->show();
  SettleLayouts();
  EXPECT_TRUE(FitsIn(Growing.size() + TScreenFit::FrameAllowance, Available.size()));
  ExpectEveryControlReachable(Growing);
}

}  // namespace
