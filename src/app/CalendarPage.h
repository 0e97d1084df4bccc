// The Calendar page: one month with the selected trip's day notes.
#pragma once

#include "ui/TripPage.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class TMonthGrid;
struct TDayNote;

class TCalendarPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TCalendarPage(TAppContext& Context, QWidget* Parent = nullptr);

  void FillPage() override { FillCalendarNotes(); }
  // No trip is shown: the day texts go.
  void ClearPage() override;
  // Shows this month with the selected trip's notes.
  void StartUp() override;

  // Sets the grid's year and month to those of the year and month boxes.
  void ApplyCalendarMonth();
  // Rewrites the day texts from the selected trip's notes of the shown month.
  void FillCalendarNotes();
  // Shows the given year and month (0 = January) in the boxes and the grid.
  void ShowMonth(int Year, int MonthIndex);
  // True when the two notes carry the same date.
  static bool SameDate(const TDayNote& A, const TDayNote& B);

  // The year shown: the number in the year box.
  int ShownYear() const;

  // Event handlers.
  void Button3Click();  // year "<"
  void Button4Click();  // year ">"
  void Button5Click();  // month ">"
  void Button6Click();  // month "<"
  void StringGrid1Click();
  void StringGrid1DblClick() { EditText1Click(); }
  void EditText1Click();
  void Deletetext1Click();
  void StringGrid1MouseMove(const QPoint& Position);

  // The month shown, 0 = January.
  int MonthIndex = 0;

  QPushButton* Button3 = nullptr;
  QLineEdit* Edit1 = nullptr;  // year
  QPushButton* Button4 = nullptr;
  QPushButton* Button6 = nullptr;
  QLineEdit* Edit2 = nullptr;  // month name
  QPushButton* Button5 = nullptr;
  TMonthGrid* StringGrid1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* EditText1 = nullptr;    // "&Edit Text"
  QAction* Deletetext1 = nullptr;  // "&Delete Text"

 private:
  QWidget* BuildMonthBar();
  // The index of the last note of the selected trip dated as the grid's
  // selected day, or -1.
  int FindSelectedDayNote();
  // The note dialog on Lines; its result, within what a note can hold.
  QStringList AskNoteLines(const QStringList& Lines);
};
