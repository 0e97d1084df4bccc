// The pie chart component: slices in order, marks, legend and negatives.
#include <gtest/gtest.h>

#include <QChart>
#include <QLegend>
#include <QPixmap>
#include <limits>

#include "widgets/PieChart.h"

namespace {

TEST(PieChart, SlicesInOrderWithLabelsValuesAndMarks) {
  TPieChart Chart("Budget Manager");
  EXPECT_EQ(Chart.Title(), "Budget Manager");
  EXPECT_EQ(Chart.chart()->legend()->alignment(), Qt::AlignBottom);
  Chart.SetValueText([](double Value) { return QString::number(Value, 'f', 1); });
  Chart.AddSlice("Gear List", 30);
  Chart.AddSlice("Budget Left", 44.5);
  ASSERT_EQ(Chart.SliceCount(), 2);
  EXPECT_EQ(Chart.SliceLabel(0), "Gear List");
  EXPECT_EQ(Chart.SliceValue(1), 44.5);
  EXPECT_EQ(Chart.SliceMark(0), "Gear List 30.0");
  EXPECT_EQ(Chart.LegendText(1), "Budget Left");
  EXPECT_EQ(Chart.DrawnValue(1), 44.5);
  EXPECT_THROW(Chart.SliceLabel(2), std::out_of_range);
  Chart.Clear();
  EXPECT_EQ(Chart.SliceCount(), 0);
}

TEST(PieChart, NegativeSliceTakesNoAreaButShowsItsValue) {
  TPieChart Chart("Weight Chart");
  Chart.AddSlice("Shelter", 3);
  Chart.AddSlice("Weight Left", -1.5);
  EXPECT_EQ(Chart.SliceValue(1), -1.5);
  EXPECT_EQ(Chart.DrawnValue(1), 0.0);
  EXPECT_EQ(Chart.SliceMark(1), "Weight Left -1.5");
  EXPECT_EQ(Chart.DrawnValue(0), 3.0);
}

TEST(PieChart, ValuesBeyondAnyNumberTakeNoAreaAndStillDraw) {
  TPieChart Chart("Weight Chart");
  Chart.resize(400, 300);
  Chart.AddSlice("Shelter", 3);
  Chart.AddSlice("Huge", std::numeric_limits<double>::infinity());
  Chart.AddSlice("Owed", -std::numeric_limits<double>::infinity());
  Chart.AddSlice("Unknown", std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(Chart.DrawnValue(0), 3.0);
  for (int s = 1; s < 4; ++s) EXPECT_EQ(Chart.DrawnValue(s), 0.0) << s;
  EXPECT_FALSE(Chart.grab().isNull());
}

TEST(PieChart, TooSmallOrEmptyStillDraws) {
  TPieChart Chart("Weight Chart");
  for (const char* Name : {"Shelter", "Kitchen", "Weight Left"}) Chart.AddSlice(Name, 0);
  for (const QSize& Size : {QSize(1, 1), QSize(40, 12), QSize(400, 300)}) {
    Chart.resize(Size);
    EXPECT_FALSE(Chart.grab().isNull());
  }
}

TEST(PieChart, ShownOrHiddenWhateverItsParent) {
  QWidget Page;
  auto* Chart = new TPieChart("Budget Manager", &Page);
  EXPECT_TRUE(Chart->IsShown());  // a child is shown with its parent unless hidden
  Chart->hide();
  EXPECT_FALSE(Chart->IsShown());
  Chart->show();
  EXPECT_TRUE(Chart->IsShown());
  EXPECT_FALSE(Chart->isVisible());  // the page itself is not on screen
}

}  // namespace
