// The Calendar page: one month with the selected trip's day notes.
#pragma once

#include "app/TripPage.h"

class TCalendarPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TCalendarPage(TAppContext& Context, QWidget* Parent = nullptr);

  // Sets the grid's year and month to those of the year and month boxes.
  void ApplyCalendarMonth() {}
  // Rewrites the day texts from the selected trip's notes of the shown month.
  void FillCalendarNotes() {}
  // Shows the given year and month (0 = January) in the boxes and the grid.
  void ShowMonth(int /*Year*/, int /*MonthIndex*/) {}
};
