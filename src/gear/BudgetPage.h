// The Budget Manager page: costs against the budget, weights against a target.
#pragma once

#include "ui/TripPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TCategorizedList;
class TPieChart;

class TBudgetPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TBudgetPage(TAppContext& Context, QWidget* Parent = nullptr);

  void FillPage() override;
  void ClearPage() override;
  void WeightUnitChanged() override;

  // The costs budget: the costs ticked deducted from the budget, drawn in
  // Chart1. A value that is not a number empties Chart1 and Budget Left and
  // is named in the error box.
  void Button32Click();
  // The weight budget: the category weights ticked against the target,
  // drawn in Chart2. A weight that is not a number throws.
  void Button40Click();
  // Stores the budget box on every change the user makes (showing a trip
  // stores nothing); a failure is ignored.
  void Edit21Change();
  // A key released in the budget box: Enter computes the costs budget.
  void Edit21KeyUp(int Key);
  // A key released in the target box: takes the target weight, and with
  // Enter computes the weight budget. A text that is not a number throws.
  void Edit15KeyUp(int Key);
  void CheckBox1Click();
  void CheckBox13Click();
  // The other ticks and radio buttons recompute the chart shown.
  void CostsOptionClick();
  void CheckBox14Click();

  // The target weight in kilograms.
  double TargetWeight() const { return FTargetWeight; }
  // Sets the target weight, shown in the target box in the weight unit.
  void SetTargetWeight(double Kilograms);

  QGroupBox* GroupBox12 = nullptr;
  QLabel* Label24 = nullptr;
  QLineEdit* Edit21 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox10 = nullptr;
  QLabel* Label25 = nullptr;
  QLineEdit* Edit22 = nullptr;
  QPushButton* Button32 = nullptr;
  QCheckBox* CheckBox13 = nullptr;
  QLineEdit* Edit15 = nullptr;
  QCheckBox* CheckBox15 = nullptr;
  QCheckBox* CheckBox14 = nullptr;
  QPushButton* Button40 = nullptr;
  QWidget* Panel24 = nullptr;
  TPieChart* Chart1 = nullptr;
  TPieChart* Chart2 = nullptr;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildControls();
  // Chart1 fills the chart panel; Chart2 starts half way down it.
  void PlaceCharts();
  // Empties both charts and Budget Left and hides the charts: they showed
  // figures of a trip no longer shown.
  void ClearFigures();
  // Adds a slice per category of List when Box is ticked, and its kilograms to Total.
  void AddCategoryWeights(TCategorizedList& List, const QCheckBox* Box, double& Total);

  double FTargetWeight = 0;
};
