// The Calculator page: the dock panel of the calculator window and the
// weight reference chart beside it.
#pragma once

#include "ui/TripPage.h"

#include <memory>

class QFrame;
class TfrmCalc;

class TCalculatorPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TCalculatorPage(TAppContext& Context, QWidget* Parent = nullptr);
  ~TCalculatorPage() override;

  // Docks the calculator window into Panel7 (start-up).
  void DockCalculator();
  // Gives the calculator window the input focus.
  void FocusCalculator();
  void StartUp() override { DockCalculator(); }
  void ShownByTab() override { FocusCalculator(); }

  QFrame* Panel7 = nullptr;
  // The calculator window, docked or floating; owned by the page.
  TfrmCalc* Calculator() const { return FCalculator.get(); }

 private:
  std::unique_ptr<TfrmCalc> FCalculator;
};
