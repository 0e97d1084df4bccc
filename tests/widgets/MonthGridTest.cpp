// The month grid component on its own.
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "widgets/MonthGrid.h"

namespace {

class MonthGridTest : public ::testing::Test {
 protected:
  MonthGridTest() {
    Grid.resize(700, 460);
    Grid.SetYear(2007);
    Grid.SetMonth(3);
    Grid.SetDay(1);
  }
  QPoint CenterOfDay(int Day) const {
    for (int Row = 1; Row < TMonthGrid::RowCount; ++Row)
      for (int Column = 0; Column < TMonthGrid::ColumnCount; ++Column)
        if (Grid.DayAt(Column, Row) == Day) return Grid.CellRect(Column, Row).center();
    return {};
  }
  TMonthGrid Grid;
};

TEST_F(MonthGridTest, WeeksStartOnSunday) {
  // 1 March 2007 was a Thursday; 31 March a Saturday.
  EXPECT_EQ(Grid.DayAt(4, 1), 1);
  EXPECT_EQ(Grid.DayAt(3, 1), 0);
  EXPECT_EQ(Grid.DayAt(6, 5), 31);
  EXPECT_EQ(Grid.DayAt(0, 6), 0);
  // The header row holds no day.
  EXPECT_EQ(Grid.DayAt(4, 0), 0);
  // July 2007 began on a Sunday.
  Grid.SetMonth(7);
  EXPECT_EQ(Grid.DayAt(0, 1), 1);
}

TEST_F(MonthGridTest, RowHeightsAndHitTesting) {
  EXPECT_EQ(Grid.CellRect(0, 0).height(), 16);
  EXPECT_EQ(Grid.CellRect(0, 1).top(), 16);
  EXPECT_EQ(Grid.CellRect(0, 1).height(), 74);
  EXPECT_EQ(Grid.CellRect(0, 6).bottom(), 16 + 6 * 74 - 1);
  int Column = -1, Row = -1;
  ASSERT_TRUE(Grid.CellAt(QPoint(5, 5), Column, Row));
  EXPECT_EQ(Column, 0);
  EXPECT_EQ(Row, 0);
  ASSERT_TRUE(Grid.CellAt(QPoint(699, 16 + 74), Column, Row));
  EXPECT_EQ(Column, 6);
  EXPECT_EQ(Row, 2);
  EXPECT_FALSE(Grid.CellAt(QPoint(10, 16 + 6 * 74), Column, Row));
  EXPECT_FALSE(Grid.CellAt(QPoint(-1, 20), Column, Row));
}

TEST_F(MonthGridTest, SettersFollowTheirRules) {
  constexpr int Keep = -99999;  // the value is not set
  struct TCase {
    const char* What;
    int Year, Month, Day;  // set in this order, starting from 31 March 2007
    int WantYear, WantMonth, WantDay;
  };
  const TCase Cases[] = {
      {"year below 1 is ignored", -5, Keep, Keep, 2007, 3, 31},
      {"year 0 is ignored", 0, Keep, Keep, 2007, 3, 31},
      {"month 13 is ignored", Keep, 13, Keep, 2007, 3, 31},
      {"month 0 is ignored", Keep, 0, Keep, 2007, 3, 31},
      {"day 0 is ignored", Keep, Keep, 0, 2007, 3, 31},
      {"day beyond the month is ignored", Keep, 4, 31, 2007, 4, 30},
      {"day reduced for February", Keep, 2, Keep, 2007, 2, 28},
      {"day reduced for a leap February", 2008, 2, Keep, 2008, 2, 29},
      {"day kept when it fits", 2008, 5, 15, 2008, 5, 15},
  };
  for (const TCase& Case : Cases) {
    Grid.SetYear(2007);
    Grid.SetMonth(3);
    Grid.SetDay(31);
    if (Case.Year != Keep) Grid.SetYear(Case.Year);
    if (Case.Month != Keep) Grid.SetMonth(Case.Month);
    if (Case.Day != Keep) Grid.SetDay(Case.Day);
    EXPECT_EQ(Grid.Year(), Case.WantYear) << Case.What;
    EXPECT_EQ(Grid.Month(), Case.WantMonth) << Case.What;
    EXPECT_EQ(Grid.Day(), Case.WantDay) << Case.What;
  }
  // A change of year alone reduces the day too.
  Grid.SetYear(2008);
  Grid.SetMonth(2);
  Grid.SetDay(29);
  Grid.SetYear(2007);
  EXPECT_EQ(Grid.Day(), 28);
}

TEST_F(MonthGridTest, LinesBelongToCellsNotDates) {
  // 14 March 2007: a Wednesday of the third week row.
  Grid.AppendDayLine(14, "Buy map");
  Grid.AppendDayLine(14, "Call ranger");
  Grid.AppendDayLine(32, "no such day");
  EXPECT_EQ(Grid.CellLines(3, 3), (QStringList{"Buy map", "Call ranger"}));
  Grid.SetMonth(4);
  EXPECT_EQ(Grid.CellLines(3, 3), (QStringList{"Buy map", "Call ranger"}));
  int WithLines = 0;
  for (int Row = 0; Row < TMonthGrid::RowCount; ++Row)
    for (int Column = 0; Column < TMonthGrid::ColumnCount; ++Column)
      WithLines += Grid.CellLines(Column, Row).isEmpty() ? 0 : 1;
  EXPECT_EQ(WithLines, 1);
  Grid.ClearCellLines();
  EXPECT_TRUE(Grid.CellLines(3, 3).isEmpty());
}

// A line wider than its cell ends with "…" rather than stopping mid-word; the
// lines themselves (and so the hint) stay whole.
TEST_F(MonthGridTest, LineTooWideForItsCellEndsWithAnEllipsis) {
  const QString Long = "Start 11 km to Upper Lake over the granite slabs";
  Grid.AppendDayLine(14, "Buy map");
  Grid.AppendDayLine(14, Long);
  const QStringList Drawn = Grid.DrawnLines(3, 3);
  ASSERT_EQ(Drawn.size(), 2);
  EXPECT_EQ(Drawn[0], "Buy map");
  EXPECT_TRUE(Drawn[1].endsWith(QChar(0x2026))) << Drawn[1].toStdString();
  EXPECT_TRUE(Long.startsWith(Drawn[1].chopped(1)));
  EXPECT_LE(Grid.fontMetrics().horizontalAdvance(Drawn[1]), Grid.CellRect(3, 3).width() - 6);
  EXPECT_EQ(Grid.CellLines(3, 3)[1], Long);
  // Only whole lines that fit under the day number are drawn.
  for (int i = 0; i < 10; ++i) Grid.AppendDayLine(14, "more");
  EXPECT_EQ(Grid.DrawnLines(3, 3).size(), (74 - 2) / Grid.fontMetrics().height() - 1);
}

TEST_F(MonthGridTest, ClickSelectsDaysButNotBlankCells) {
  QSignalSpy Clicks(&Grid, &TMonthGrid::DayClicked);
  QTest::mouseClick(&Grid, Qt::LeftButton, {}, CenterOfDay(14));
  EXPECT_EQ(Grid.Day(), 14);
  EXPECT_EQ(Clicks.count(), 1);
  QTest::mouseClick(&Grid, Qt::LeftButton, {}, Grid.CellRect(0, 1).center());  // blank
  QTest::mouseClick(&Grid, Qt::LeftButton, {}, Grid.CellRect(2, 0).center());  // header
  EXPECT_EQ(Grid.Day(), 14);
  EXPECT_EQ(Clicks.count(), 1);
  QSignalSpy Doubles(&Grid, &TMonthGrid::DayDoubleClicked);
  QTest::mouseDClick(&Grid, Qt::LeftButton, {}, Grid.CellRect(0, 6).center());  // blank
  EXPECT_EQ(Doubles.count(), 0);
  QTest::mouseDClick(&Grid, Qt::LeftButton, {}, CenterOfDay(20));
  EXPECT_EQ(Doubles.count(), 1);
  EXPECT_EQ(Grid.Day(), 20);
}

// The darkest grey level in Area of Picture.
int DarkestGrey(const QImage& Picture, const QRect& Area) {
  int Darkest = 255;
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X) Darkest = std::min(Darkest, qGray(Picture.pixel(X, Y)));
  return Darkest;
}

TEST_F(MonthGridTest, WeekdayNamesStayReadableWhileTheGridIsDisabled) {
  Grid.setEnabled(false);
  const QImage Picture = Grid.grab().toImage();
  // Inside the header cell of Wednesday, away from its border lines.
  const QRect Header = Grid.CellRect(3, 0).adjusted(3, 2, -3, -2);
  EXPECT_LT(DarkestGrey(Picture, Header), 100);
}

TEST_F(MonthGridTest, ArrowKeysMoveWithinTheMonth) {
  QSignalSpy Clicks(&Grid, &TMonthGrid::DayClicked);
  Grid.SetDay(3);
  QTest::keyClick(&Grid, Qt::Key_Down);
  EXPECT_EQ(Grid.Day(), 10);
  QTest::keyClick(&Grid, Qt::Key_Left);
  EXPECT_EQ(Grid.Day(), 9);
  EXPECT_EQ(Clicks.count(), 2);
  Grid.SetDay(2);
  QTest::keyClick(&Grid, Qt::Key_Up);  // would leave the month
  QTest::keyClick(&Grid, Qt::Key_Left);
  QTest::keyClick(&Grid, Qt::Key_Left);
  EXPECT_EQ(Grid.Day(), 1);
}

}  // namespace
