// The Calculator page: the dock panel of the calculator window and the
// weight reference chart beside it.
#pragma once

#include "app/TripPage.h"

class QFrame;

class TCalculatorPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TCalculatorPage(TAppContext& Context, QWidget* Parent = nullptr);

  // Docks the calculator window into Panel7 (start-up).
  void DockCalculator();
  // Gives the calculator window the input focus.
  void FocusCalculator();

  QFrame* Panel7 = nullptr;
};
