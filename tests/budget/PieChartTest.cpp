// The pie chart component: slices in order, marks, legend and negatives, and
// a layout in which nothing overlaps however crowded the chart.
#include <gtest/gtest.h>

#include <QPixmap>
#include <cmath>
#include <limits>

#include "widgets/PieChart.h"

namespace {

TEST(PieChart, SlicesInOrderWithLabelsValuesAndMarks) {
  TPieChart Chart("Budget Manager");
  EXPECT_EQ(Chart.Title(), "Budget Manager");
  Chart.SetValueText([](double Value) { return QString::number(Value, 'f', 1); });
  Chart.AddSlice("Gear List", 30);
  Chart.AddSlice("Budget Left", 44.5);
  ASSERT_EQ(Chart.SliceCount(), 2);
  EXPECT_EQ(Chart.SliceLabel(0), "Gear List");
  EXPECT_EQ(Chart.SliceValue(1), 44.5);
  EXPECT_EQ(Chart.SliceMark(0), "Gear List 30.0");
  EXPECT_EQ(Chart.LegendText(1), "Budget Left");
  EXPECT_EQ(Chart.DrawnValue(1), 44.5);
  EXPECT_NE(TPieChart::SliceColour(0), TPieChart::SliceColour(1));
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
  for (int s = 1; s < 4; ++s) EXPECT_EQ(Chart.DrawnValue(s), 0.0) << s;
  const TPieLayout Layout = Chart.Layout();
  EXPECT_EQ(Layout.SpanAngles, (std::vector<double>{360, 0, 0, 0}));
  EXPECT_FALSE(Chart.grab().isNull());
}

TEST(PieChart, TooSmallForAPieStillDraws) {
  TPieChart Chart("Weight Chart");
  for (const char* Name : {"Shelter", "Kitchen", "Weight Left"}) Chart.AddSlice(Name, 1);
  for (const QSize& Size : {QSize(1, 1), QSize(40, 12), QSize(12, 200)}) {
    Chart.resize(Size);
    EXPECT_EQ(Chart.Layout().Radius, 0.0);
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

// ---- Layout ----

// The distance from Point to the nearest point of Box.
double Distance(const QPointF& Point, const QRectF& Box) {
  const double dx = std::max({Box.left() - Point.x(), 0.0, Point.x() - Box.right()});
  const double dy = std::max({Box.top() - Point.y(), 0.0, Point.y() - Box.bottom()});
  return std::hypot(dx, dy);
}

// Everything the layout places stays inside the chart; no two texts overlap,
// and no text lies on the pie.
void ExpectNothingOverlaps(const TPieChart& Chart) {
  const TPieLayout Layout = Chart.Layout();
  const QRectF Frame = Chart.rect();
  std::vector<QRectF> Texts = {Layout.Title};
  for (const TPieMark& Mark : Layout.Marks) Texts.push_back(Mark.Box);
  for (const TPieLegendEntry& Entry : Layout.Legend) {
    Texts.push_back(Entry.Box);
    Texts.push_back(Entry.Swatch);
  }
  for (std::size_t a = 0; a < Texts.size(); ++a) {
    EXPECT_TRUE(Frame.contains(Texts[a])) << a;
    EXPECT_GT(Distance(Layout.Centre, Texts[a]), Layout.Radius) << a;
    for (std::size_t b = a + 1; b < Texts.size(); ++b)
      EXPECT_FALSE(Texts[a].intersects(Texts[b])) << a << " and " << b;
  }
  EXPECT_GT(Layout.Radius, 20);
}

class PieLayoutTest : public ::testing::TestWithParam<QSize> {};

TEST_P(PieLayoutTest, CrowdedSlicesKeepTheirMarksApart) {
  TPieChart Chart("Weight Chart");
  Chart.resize(GetParam());
  const char* Names[] = {"Shelter", "Kitchen", "Clothing", "Navigation", "First aid", "Water", "Electronics",
                         "Toiletries", "Repair kit", "Photography equipment and spare batteries", "Food",
                         "Supplies", "Weight Left"};
  const double Values[] = {3.0768, 0.05, 1.3661, 0.03, 0.02, 0.5, 0.01, 0.01, 0.02, 0.03, 4.6297, 0.4078, 2.9468};
  for (int s = 0; s < 13; ++s) Chart.AddSlice(Names[s], Values[s]);
  ExpectNothingOverlaps(Chart);
}

TEST_P(PieLayoutTest, SlicesOfNothingKeepTheirMarksApart) {
  TPieChart Chart("Budget Manager");
  Chart.resize(GetParam());
  for (const char* Name : {"Gear List", "Shoping List", "Park Permits", "Budget Left"}) Chart.AddSlice(Name, 0);
  ExpectNothingOverlaps(Chart);
}

// The costs chart fills its panel; the weight chart takes its lower half.
INSTANTIATE_TEST_SUITE_P(ChartSizes, PieLayoutTest,
                         ::testing::Values(QSize(596, 535), QSize(596, 268), QSize(900, 340), QSize(420, 300)));

TEST(PieLayout, SlicesShareTheCircleInOrderFromTwelveOClock) {
  TPieChart Chart("Budget Manager");
  Chart.resize(500, 400);
  Chart.AddSlice("A", 30);
  Chart.AddSlice("B", -5);
  Chart.AddSlice("C", 10);
  const TPieLayout Layout = Chart.Layout();
  EXPECT_EQ(Layout.StartAngles, (std::vector<double>{0, 270, 270}));
  EXPECT_EQ(Layout.SpanAngles, (std::vector<double>{270, 0, 90}));
  // A's mark stands to the right of the pie, C's to the left.
  EXPECT_TRUE(Layout.Marks[0].RightSide);
  EXPECT_FALSE(Layout.Marks[2].RightSide);
  EXPECT_EQ(Layout.Marks[0].Text, "A 30");
}

TEST(PieLayout, ALongLabelIsShortenedButKeepsItsValue) {
  TPieChart Chart("Weight Chart");
  Chart.resize(300, 200);
  Chart.AddSlice("Photography equipment, spare batteries and the big tripod", 0.03);
  Chart.AddSlice("Shelter", 3);
  const TPieLayout Layout = Chart.Layout();
  EXPECT_TRUE(Layout.Marks[0].Text.endsWith("… 0.03")) << Layout.Marks[0].Text.toStdString();
  EXPECT_EQ(Chart.SliceMark(0), "Photography equipment, spare batteries and the big tripod 0.03");
  ExpectNothingOverlaps(Chart);
}

}  // namespace
