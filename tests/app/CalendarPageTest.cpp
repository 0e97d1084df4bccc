// The Calendar page inside the main window: notes in their days, hints,
// editing and deleting notes, the year and month buttons.
#include <QHelpEvent>
#include <QToolTip>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>

#include "app/CalendarPage.h"
#include "store/MonthNames.h"
#include "support/MainFormFixture.h"
#include "widgets/MonthGrid.h"

namespace {

class CalendarPageTest : public MainFormTest {
 protected:
  // A trip "Hike" with the notes given, shown at March 2007.
  void OpenMarch2007(const std::vector<TDayNote>& Notes) {
    OpenWithTrips({"Hike"});
    for (const TDayNote& Note : Notes) Store().AddNote(0, Note.Lines, Note.Day, Note.Month, Note.Year);
    Page()->ShowMonth(2007, 2);
    Page()->FillCalendarNotes();
    Prompts.Clear();
  }
  TCalendarPage* Page() { return Form->CalendarPage; }
  TMonthGrid* Grid() { return Form->CalendarPage->StringGrid1; }
  QRect DayCell(int Day) {
    for (int Row = 1; Row < TMonthGrid::RowCount; ++Row)
      for (int Column = 0; Column < TMonthGrid::ColumnCount; ++Column)
        if (Grid()->DayAt(Column, Row) == Day) return Grid()->CellRect(Column, Row);
    return {};
  }
  QStringList LinesOfDay(int Day) {
    const QRect Cell = DayCell(Day);
    int Column, Row;
    if (!Grid()->CellAt(Cell.center(), Column, Row)) return {};
    return Grid()->CellLines(Column, Row);
  }
  // Every line shown anywhere in the grid.
  QStringList AllLines() {
    QStringList Lines;
    for (int Row = 0; Row < TMonthGrid::RowCount; ++Row)
      for (int Column = 0; Column < TMonthGrid::ColumnCount; ++Column) Lines += Grid()->CellLines(Column, Row);
    return Lines;
  }
  void DoubleClickDay(int Day) { QTest::mouseDClick(Grid(), Qt::LeftButton, {}, DayCell(Day).center()); }
  void SelectDay(int Day) { QTest::mouseClick(Grid(), Qt::LeftButton, {}, DayCell(Day).center()); }
  void HoverAt(const QPoint& Position) {
    QMouseEvent Move(QEvent::MouseMove, Position, Grid()->mapToGlobal(Position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Grid(), &Move);
  }
};

const TDayNote MapNote{14, 3, 2007, {"Buy map", "Call ranger"}};

TEST_F(CalendarPageTest, NoteShowsInItsDayOnlyInItsMonthAndYear) {
  OpenMarch2007({MapNote, {2, 4, 2007, {"April fool"}}, {14, 3, 2008, {"Next year"}}});
  EXPECT_EQ(LinesOfDay(14), (QStringList{"Buy map", "Call ranger"}));
  EXPECT_EQ(AllLines(), (QStringList{"Buy map", "Call ranger"}));

  Page()->Button5->click();  // April 2007
  EXPECT_EQ(AllLines(), QStringList{"April fool"});
  EXPECT_EQ(LinesOfDay(2), QStringList{"April fool"});

  Page()->Button6->click();  // March 2007
  Page()->Button4->click();  // March 2008
  EXPECT_EQ(Page()->Edit1->text(), "2008");
  EXPECT_EQ(AllLines(), QStringList{"Next year"});
  Page()->Button3->click();
  Page()->Button3->click();  // March 2006
  EXPECT_EQ(Page()->Edit1->text(), "2006");
  EXPECT_TRUE(AllLines().isEmpty());
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(CalendarPageTest, HoverShowsTheDayLinesAsHint) {
  OpenMarch2007({MapNote});
  HoverAt(DayCell(14).center());
  EXPECT_EQ(Grid()->toolTip(), "Buy map\nCall ranger\n");
  HoverAt(DayCell(15).center());
  EXPECT_EQ(Grid()->toolTip(), "");
  HoverAt(DayCell(14).topLeft() + QPoint(2, 2));
  EXPECT_EQ(Grid()->toolTip(), "Buy map\nCall ranger\n");
  HoverAt(Grid()->CellRect(3, 0).center());  // the weekday header
  EXPECT_EQ(Grid()->toolTip(), "");
}

TEST_F(CalendarPageTest, HintShowsMarkupAsTyped) {
  OpenMarch2007({{14, 3, 2007, {"<b>bold</b> & more"}}});
  HoverAt(DayCell(14).center());
  QHelpEvent Help(QEvent::ToolTip, DayCell(14).center(), Grid()->mapToGlobal(DayCell(14).center()));
  QApplication::sendEvent(Grid(), &Help);
  EXPECT_TRUE(QToolTip::text().contains("&lt;b&gt;bold&lt;/b&gt; &amp; more")) << QToolTip::text().toStdString();
  QToolTip::hideText();
}

TEST_F(CalendarPageTest, EmptyAnswerLeavesTheNoteAndDeleteRemovesItWithoutQuestion) {
  OpenMarch2007({MapNote});
  DoubleClickDay(14);
  EXPECT_EQ(Prompts.LastNoteShown, (QStringList{"Buy map", "Call ranger"}));
  ASSERT_EQ(Store().NoteCount(0), 1);
  EXPECT_EQ(Store().GetNote(0, 0).Lines, (TTextLines{"Buy map", "Call ranger"}));

  Prompts.Clear();
  SelectDay(14);
  Page()->Deletetext1->trigger();
  EXPECT_EQ(Store().NoteCount(0), 0);
  EXPECT_TRUE(AllLines().isEmpty());
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(CalendarPageTest, EditReplacesTheLinesOfTheDay) {
  OpenMarch2007({MapNote});
  Prompts.NoteAnswers.push_back({"Buy map", "Call ranger", "Pack stove"});
  SelectDay(14);
  Page()->EditText1->trigger();
  ASSERT_EQ(Store().NoteCount(0), 1);
  EXPECT_EQ(Store().GetNote(0, 0).Lines, (TTextLines{"Buy map", "Call ranger", "Pack stove"}));
  EXPECT_EQ(LinesOfDay(14).size(), 3);
}

TEST_F(CalendarPageTest, NewNoteTakesTheSelectedDate) {
  OpenMarch2007({});
  Prompts.NoteAnswers.push_back({"Trailhead 8am"});
  DoubleClickDay(21);
  EXPECT_EQ(Prompts.LastNoteShown, QStringList());
  ASSERT_EQ(Store().NoteCount(0), 1);
  const TDayNote& Note = Store().GetNote(0, 0);
  EXPECT_EQ(Note.Day, 21);
  EXPECT_EQ(Note.Month, 3);
  EXPECT_EQ(Note.Year, 2007);
  EXPECT_EQ(Note.Lines, TTextLines{"Trailhead 8am"});
  EXPECT_EQ(LinesOfDay(21), QStringList{"Trailhead 8am"});
}

TEST_F(CalendarPageTest, DialogClosedWithoutOkAddsNoNote) {
  OpenMarch2007({});
  DoubleClickDay(5);  // the dialog answers no lines: Cancel, Esc or the close box
  EXPECT_EQ(Prompts.Texts("note").size(), 1);
  EXPECT_EQ(Store().NoteCount(0), 0);
  // Delete on a day without a note does nothing.
  Page()->Deletetext1->trigger();
  EXPECT_EQ(Store().NoteCount(0), 0);
}

QStringList NumberedLines(int Count) {
  QStringList Lines;
  for (int i = 1; i <= Count; ++i) Lines.append(QString("Line %1").arg(i));
  return Lines;
}

TEST_F(CalendarPageTest, NoteLongerThanTheDataFileHoldsGoesBackToTheDialog) {
  OpenMarch2007({MapNote});
  const QStringList TooLong = NumberedLines(256);
  Prompts.NoteAnswers = {TooLong, NumberedLines(255)};
  DoubleClickDay(14);
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"A note holds at most 255 lines; this one has 256."});
  // The dialog opens again on the text typed, to be shortened.
  EXPECT_EQ(Prompts.Texts("note").size(), 2);
  EXPECT_EQ(Prompts.LastNoteShown, TooLong);
  ASSERT_EQ(Store().NoteCount(0), 1);
  EXPECT_EQ(Store().GetNote(0, 0).Lines.size(), 255u);

  // Closing the dialog the second time keeps the note as it was.
  Prompts.Clear();
  Prompts.NoteAnswers = {NumberedLines(300)};
  DoubleClickDay(14);
  EXPECT_EQ(Prompts.Texts("note").size(), 2);
  EXPECT_EQ(Store().GetNote(0, 0).Lines.size(), 255u);
  EXPECT_TRUE(CloseForm());
}

TEST_F(CalendarPageTest, LeapDayNoteAcrossYearsAndASaveAndLoad) {
  OpenMarch2007({});
  Page()->ShowMonth(2008, 1);
  const QStringList Lines{QString::fromUtf8("Gipfel über 3000 m – früh los"), "Zelt"};
  Prompts.NoteAnswers.push_back(Lines);
  DoubleClickDay(29);
  EXPECT_EQ(LinesOfDay(29), Lines);

  Page()->Button4->click();  // February 2009 has no 29th
  EXPECT_EQ(Grid()->Day(), 28);
  EXPECT_TRUE(AllLines().isEmpty());
  Page()->Deletetext1->trigger();
  Page()->Button3->click();
  EXPECT_EQ(LinesOfDay(29), Lines);

  ASSERT_TRUE(CloseForm());
  Form.reset();
  Open();
  Page()->ShowMonth(2008, 1);
  Page()->FillCalendarNotes();
  EXPECT_EQ(LinesOfDay(29), Lines);
  EXPECT_EQ(Store().GetNote(0, 0).Day, 29);
}

TEST_F(CalendarPageTest, TwoNotesOfOneDateWorkOnTheLaterOne) {
  OpenMarch2007({{14, 3, 2007, {"Earlier"}}, {9, 3, 2007, {"Other day"}}, {14, 3, 2007, {"Later"}}});
  EXPECT_EQ(LinesOfDay(14), (QStringList{"Earlier", "Later"}));

  Prompts.NoteAnswers.push_back({"Later, changed"});
  DoubleClickDay(14);
  EXPECT_EQ(Prompts.LastNoteShown, QStringList{"Later"});
  EXPECT_EQ(Store().GetNote(0, 0).Lines, TTextLines{"Earlier"});
  EXPECT_EQ(Store().GetNote(0, 2).Lines, TTextLines{"Later, changed"});

  Page()->Deletetext1->trigger();
  ASSERT_EQ(Store().NoteCount(0), 2);
  EXPECT_EQ(Store().GetNote(0, 0).Lines, TTextLines{"Earlier"});
  EXPECT_EQ(Store().GetNote(0, 1).Lines, TTextLines{"Other day"});
  EXPECT_EQ(LinesOfDay(14), QStringList{"Earlier"});
}

TEST_F(CalendarPageTest, EnterAndDelOnTheGridActAsTheMenuItems) {
  OpenMarch2007({MapNote});
  EXPECT_EQ(Page()->PopupMenu1->defaultAction(), Page()->EditText1);
  EXPECT_EQ(Page()->EditText1->text(), "&Edit Text");
  EXPECT_EQ(Page()->Deletetext1->text(), "&Delete Text");
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  Grid()->setFocus();
  SelectDay(14);
  QTest::keyClick(Grid(), Qt::Key_Return);
  EXPECT_EQ(Prompts.LastNoteShown, (QStringList{"Buy map", "Call ranger"}));
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(Store().NoteCount(0), 0);
}

TEST_F(CalendarPageTest, MonthsDoNotRollOver) {
  OpenMarch2007({});
  Page()->ShowMonth(2007, 11);
  Page()->Button5->click();
  EXPECT_EQ(Page()->Edit2->text(), "December");
  EXPECT_EQ(Page()->Edit1->text(), "2007");
  EXPECT_EQ(Grid()->Month(), 12);
  Page()->ShowMonth(2007, 0);
  Page()->Button6->click();
  EXPECT_EQ(Page()->Edit2->text(), "January");
  EXPECT_EQ(Page()->Edit1->text(), "2007");
  EXPECT_EQ(Grid()->Month(), 1);
  // Every month name in turn, "Octomber" included.
  QStringList Seen{Page()->Edit2->text()};
  for (int i = 0; i < 11; ++i) {
    Page()->Button5->click();
    Seen.append(Page()->Edit2->text());
  }
  EXPECT_EQ(Seen, (QStringList{"January", "February", "March", "April", "May", "June", "July", "August",
                               "September", "Octomber", "November", "December"}));
  EXPECT_EQ(Page()->MonthIndex, 11);
}

TEST_F(CalendarPageTest, StartUpShowsTodaysMonth) {
  OpenWithTrips({"Hike"});
  const QDate Today = QDate::currentDate();
  EXPECT_EQ(Page()->Edit1->text(), QString::number(Today.year()));
  EXPECT_EQ(Page()->Edit2->text().toStdString(), MonthNames[static_cast<std::size_t>(Today.month() - 1)]);
  EXPECT_EQ(Page()->MonthIndex, Today.month() - 1);
  EXPECT_EQ(Grid()->Year(), Today.year());
  EXPECT_EQ(Grid()->Month(), Today.month());
  EXPECT_TRUE(Grid()->isEnabled());
}

TEST_F(CalendarPageTest, GridWaitsForTheFirstTrip) {
  OpenWithTrips({});
  EXPECT_FALSE(Grid()->isEnabled());
  Prompts.InputAnswers.push_back("Hike");
  Form->Button1->click();
  EXPECT_TRUE(Grid()->isEnabled());
}

TEST_F(CalendarPageTest, TripSwitchAndLastTripDeletionRewriteTheDays) {
  OpenMarch2007({MapNote});
  Prompts.InputAnswers.push_back("Second");
  Form->Button1->click();
  EXPECT_TRUE(AllLines().isEmpty());
  Form->ComboBox1->setCurrentIndex(0);
  Form->ComboBox1Change();
  EXPECT_EQ(LinesOfDay(14), (QStringList{"Buy map", "Call ranger"}));

  // Deleting the first of two trips leaves none selected: the days empty.
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_TRUE(AllLines().isEmpty());
  Prompts.Clear();
  Page()->Button5->click();  // no trip selected: browsing still works quietly
  EXPECT_TRUE(Prompts.Shown.empty());
  // Editing needs a trip: the store's failure is reported.
  DoubleClickDay(3);
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"List index out of bounds (-1)"});
}

TEST_F(CalendarPageTest, DeletingTheOnlyTripEmptiesTheDays) {
  OpenMarch2007({MapNote});
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_TRUE(AllLines().isEmpty());
}

TEST(CalendarSameDate, ComparesDayMonthAndYear) {
  const TDayNote A{14, 3, 2007, {"a"}};
  EXPECT_TRUE(TCalendarPage::SameDate(A, TDayNote{14, 3, 2007, {}}));
  EXPECT_FALSE(TCalendarPage::SameDate(A, TDayNote{15, 3, 2007, {"a"}}));
  EXPECT_FALSE(TCalendarPage::SameDate(A, TDayNote{14, 4, 2007, {"a"}}));
  EXPECT_FALSE(TCalendarPage::SameDate(A, TDayNote{14, 3, 2008, {"a"}}));
}

}  // namespace
