#include "gear/BudgetPage.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gear/core/BudgetFigures.h"
#include "gear/core/FigureText.h"
#include "gear/core/Units.h"
#include "ui/AppContext.h"
#include "ui/PageIndices.h"
#include "ui/StoreText.h"
#include "widgets/KeyUpFilter.h"
#include "widgets/PieChart.h"

namespace {

bool IsEnter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

QCheckBox* TickBox(const QString& Caption, bool Ticked, QWidget* Parent) {
  auto* Box = new QCheckBox(Caption, Parent);
  Box->setChecked(Ticked);
  return Box;
}

}  // namespace

TBudgetPage::TBudgetPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {
  BuildControls();
}

void TBudgetPage::BuildControls() {
  GroupBox12 = new QGroupBox("Budget Manager", this);
  Label24 = new QLabel("Budget:", GroupBox12);
  Edit21 = new QLineEdit("0", GroupBox12);
  CheckBox1 = TickBox("Subtract gear list costs?", true, GroupBox12);
  RadioButton1 = new QRadioButton("Total gear list costs", GroupBox12);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton("Gear list that you don't own", GroupBox12);
  CheckBox2 = TickBox("Subtract total shopping list costs?", true, GroupBox12);
  CheckBox10 = TickBox("Subtract total park permits costs?", true, GroupBox12);
  Label25 = new QLabel("Budget Left:", GroupBox12);
  Edit22 = new QLineEdit(GroupBox12);
  Edit22->setReadOnly(true);
  Edit22->setEnabled(false);
  Button32 = new QPushButton("Calculate Costs Budget", GroupBox12);
  CheckBox13 = TickBox("Target Weight:", false, GroupBox12);
  Edit15 = new QLineEdit("0", GroupBox12);
  Edit15->setEnabled(false);
  CheckBox15 = TickBox("Subtract total gear list weight?", true, GroupBox12);
  CheckBox14 = TickBox("Subtract total shopping list weight?", true, GroupBox12);
  Button40 = new QPushButton("Calculate Weight Budget", GroupBox12);

  auto* Grid = new QGridLayout(GroupBox12);
  int Row = 0;
  Grid->addWidget(Label24, Row, 0);
  Grid->addWidget(Edit21, Row++, 1);
  Grid->addWidget(CheckBox1, Row++, 0, 1, 2);
  auto* Radios = new QVBoxLayout;
  Radios->setContentsMargins(20, 0, 0, 0);
  Radios->addWidget(RadioButton1);
  Radios->addWidget(RadioButton2);
  Grid->addLayout(Radios, Row++, 0, 1, 2);
  Grid->addWidget(CheckBox2, Row++, 0, 1, 2);
  Grid->addWidget(CheckBox10, Row++, 0, 1, 2);
  Grid->addWidget(Label25, Row, 0);
  Grid->addWidget(Edit22, Row++, 1);
  Grid->addWidget(Button32, Row++, 0, 1, 2);
  Grid->setRowMinimumHeight(Row++, 24);
  Grid->addWidget(CheckBox13, Row, 0);
  Grid->addWidget(Edit15, Row++, 1);
  Grid->addWidget(CheckBox15, Row++, 0, 1, 2);
  Grid->addWidget(CheckBox14, Row++, 0, 1, 2);
  Grid->addWidget(Button40, Row++, 0, 1, 2);
  Grid->setRowStretch(Row, 1);

  Panel24 = new QWidget(this);
  Chart1 = new TPieChart("Budget Manager", Panel24);
  Chart2 = new TPieChart("Weight Chart", Panel24);
  for (TPieChart* Chart : {Chart1, Chart2}) {
    Chart->SetValueText([this](double Value) { return FromStore(NumberToText(Value, Context.DecimalSeparator())); });
    Chart->hide();
  }
  Panel24->installEventFilter(this);

  auto* PageLayout = new QHBoxLayout(this);
  PageLayout->addWidget(GroupBox12);
  PageLayout->addWidget(Panel24, 1);

  TKeyUpFilter::Install(Edit21, [this](int Key) { Context.Guarded([this, Key] { Edit21KeyUp(Key); }); });
  TKeyUpFilter::Install(Edit15, [this](int Key) { Context.Guarded([this, Key] { Edit15KeyUp(Key); }); });
  connect(Edit21, &QLineEdit::textChanged, this, [this] { Edit21Change(); });
  connect(Button32, &QPushButton::clicked, this, [this] { Context.Guarded([this] { Button32Click(); }); });
  connect(Button40, &QPushButton::clicked, this, [this] { Context.Guarded([this] { Button40Click(); }); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { Context.Guarded([this] { CheckBox1Click(); }); });
  for (QAbstractButton* Option : std::initializer_list<QAbstractButton*>{RadioButton1, RadioButton2, CheckBox2, CheckBox10})
    connect(Option, &QAbstractButton::clicked, this, [this] { Context.Guarded([this] { CostsOptionClick(); }); });
  connect(CheckBox13, &QCheckBox::clicked, this, [this] { Context.Guarded([this] { CheckBox13Click(); }); });
  for (QCheckBox* Option : {CheckBox14, CheckBox15})
    connect(Option, &QCheckBox::clicked, this, [this] { Context.Guarded([this] { CheckBox14Click(); }); });
}

bool TBudgetPage::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == Panel24 && Event->type() == QEvent::Resize) PlaceCharts();
  return TTripPage::eventFilter(Watched, Event);
}

void TBudgetPage::PlaceCharts() {
  const int Width = Panel24->width();
  const int Height = Panel24->height();
  Chart1->setGeometry(0, 0, Width, Height);
  Chart2->setGeometry(0, Height / 2, Width, Height - Height / 2);
}

// ---- Page steps ----

void TBudgetPage::FillPage() {
  // Showing the budget is no edit: the stored text stays as it is, number or not.
  const QSignalBlocker ShowOnly(Edit21);
  Edit21->setText(FromStore(StoredFigureAsTyped(Context.Store.GetBudget(Context.Trip()), Context.NumberSettings())));
  ClearFigures();
}

void TBudgetPage::ClearPage() {
  const QSignalBlocker ShowOnly(Edit21);
  Edit21->clear();
  ClearFigures();
}

void TBudgetPage::ClearFigures() {
  for (TPieChart* Chart : {Chart1, Chart2}) {
    Chart->Clear();
    Chart->hide();
  }
  Edit22->clear();
}

void TBudgetPage::WeightUnitChanged() {
  if (Context.ActivePage() == TPageIndices::BudgetPageIndex) {
    if (Chart1->IsShown()) Button32Click();
    if (Chart2->IsShown()) Button40Click();
  } else if (Chart2->IsShown()) {
    // Its figures are in the unit no longer picked: emptied, to be computed again.
    Chart2->Clear();
    Chart2->hide();
  }
  Edit15->setText(
      FromStore(NumberToText(KilogramsToUnit(Context.WeightUnit(), FTargetWeight), Context.DecimalSeparator())));
}

// ---- Costs budget ----

void TBudgetPage::Edit21Change() {
  try {
    // A number typed in the user's settings is stored as a stored figure
    // reads it; any other text as typed.
    Context.Store.SetBudget(Context.Trip(), ReadTypedFigure(ToStore(Edit21->text()), Context.NumberSettings()).Stored);
  } catch (const std::exception&) {
    // No trip selected: nothing to store the budget in.
  }
}

void TBudgetPage::Edit21KeyUp(int Key) {
  if (IsEnter(Key)) Button32Click();
}

void TBudgetPage::Button32Click() {
  Chart1->show();
  Chart2->hide();
  // Whatever cannot be computed leaves no figure of an earlier computation.
  Chart1->Clear();
  Edit22->clear();
  try {
    const int Trip = Context.Trip();
    TCostsBudgetChoice Choice;
    Choice.SubtractGear = CheckBox1->isChecked();
    Choice.OnlyGearNotOwned = !RadioButton1->isChecked();
    Choice.SubtractShopping = CheckBox2->isChecked();
    Choice.SubtractPermits = CheckBox10->isChecked();
    const TTripCosts Costs = TripCosts(Context.Store, Trip, Choice.OnlyGearNotOwned);
    const long double Budget = TypedTripBudget(Context.Store, Trip, ToStore(Edit21->text()), Context.NumberSettings());
    const TCostsBudget Result = ComputeCostsBudget(Costs, Budget, Choice);
    Edit22->setText(Result.Deducted.empty() ? Edit21->text()
                                            : FromStore(NumberToText(Result.Left, Context.DecimalSeparator())));
    for (const auto& [Label, Cost] : Result.Deducted) Chart1->AddSlice(Label, Cost);
    if (Result.Left < 0) Context.Prompts.ShowMessage("Your over the budget.");
    Chart1->AddSlice("Budget Left", static_cast<double>(Result.Left));
  } catch (const TCostsBudgetError& Failure) {
    Chart1->Clear();
    Edit22->clear();
    Context.Prompts.Error(FromStore(Failure.what()));
  } catch (const std::exception&) {
    // No trip selected, or a result beyond the range of a number.
    Chart1->Clear();
    Edit22->clear();
  }
}

void TBudgetPage::CheckBox1Click() {
  RadioButton1->setEnabled(CheckBox1->isChecked());
  RadioButton2->setEnabled(CheckBox1->isChecked());
  CostsOptionClick();
}

void TBudgetPage::CostsOptionClick() {
  if (Chart1->IsShown()) Button32Click();
}

// ---- Weight budget ----

void TBudgetPage::Edit15KeyUp(int Key) {
  const long double Typed = ReadTypedNumber(ToStore(Edit15->text()), Context.NumberSettings());
  FTargetWeight = UnitToKilograms(Context.WeightUnit(), static_cast<double>(Typed));
  if (IsEnter(Key)) Button40Click();
}

void TBudgetPage::SetTargetWeight(double Kilograms) {
  FTargetWeight = Kilograms;
  Edit15->setText(
      FromStore(NumberToText(KilogramsToUnit(Context.WeightUnit(), FTargetWeight), Context.DecimalSeparator())));
}

void TBudgetPage::AddCategoryWeights(TCategorizedList& List, const QCheckBox* Box, double& Total) {
  const int Trip = Context.Trip();
  for (int Cat = 0; Cat < List.CategoryCount(Trip); ++Cat) {
    const double Sum = CategoryKilograms(List, Trip, Cat);
    if (!Box->isChecked()) continue;
    Chart2->AddSlice(FromStore(List.CategoryName(Trip, Cat)), KilogramsToUnit(Context.WeightUnit(), Sum));
    Total += Sum;
  }
}

void TBudgetPage::Button40Click() {
  Chart1->hide();
  Chart2->show();
  Chart2->Clear();
  TGearList Gear(Context.Store);
  TShoppingList Shopping(Context.Store);
  double Total = 0;
  AddCategoryWeights(Gear, CheckBox15, Total);
  AddCategoryWeights(Shopping, CheckBox14, Total);
  if (!CheckBox13->isChecked()) return;
  const double Left = FTargetWeight - Total;
  if (Left < 0) Context.Prompts.ShowMessage("Target weight exceded. Maybe you should take some stuff out.");
  Chart2->AddSlice("Weight Left", KilogramsToUnit(Context.WeightUnit(), Left));
}

void TBudgetPage::CheckBox13Click() {
  Edit15->setEnabled(CheckBox13->isChecked());
  CheckBox14Click();
}

void TBudgetPage::CheckBox14Click() {
  if (Chart2->IsShown()) Button40Click();
}
