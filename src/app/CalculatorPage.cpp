#include "app/CalculatorPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/Unit3.h"

namespace {

// Reference lines only: no conversion of the program uses these figures.
const char* const WeightChartLines[] = {
    "1 Gram = 0.001 Kilograms =  0.035274 Ounces = 0.0022046 Pounds",
    "1 Kilogram =  1000 Grams = 35.2739619 Ounces = 2.2046226 Pounds",
    "1 Ounce = 28.3495231 Grams = 0.0283495 Kilograms = 0.0625 Pounds",
    "1 Pound = 453.59237 Grams = 0.4535924 Kilograms = 16 Ounces"};

}  // namespace

TCalculatorPage::TCalculatorPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {
  auto* Layout = new QHBoxLayout(this);
  Layout->setContentsMargins(4, 4, 4, 4);
  Panel7 = new QFrame(this);
  Panel7->setObjectName("Panel7");
  Panel7->setFixedWidth(320);
  Panel7->setFrameShape(QFrame::StyledPanel);
  Layout->addWidget(Panel7);

  auto* ChartPanel = new QFrame(this);
  auto* Chart = new QVBoxLayout(ChartPanel);
  auto* Title = new QLabel("Weight Chart", ChartPanel);
  QFont TitleFont = Title->font();
  TitleFont.setBold(true);
  TitleFont.setPointSize(TitleFont.pointSize() + 4);
  Title->setFont(TitleFont);
  Chart->addWidget(Title);
  for (const char* Line : WeightChartLines) {
    auto* Text = new QLabel(Line, ChartPanel);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Chart->addWidget(Text);
  }
  Chart->addStretch(1);
  Layout->addWidget(ChartPanel, 1);

  FCalculator = std::make_unique<TfrmCalc>();
  // The docked calculator is placed, not laid out: keep room for all of it.
  Panel7->setMinimumHeight(FCalculator->height());
}

TCalculatorPage::~TCalculatorPage() = default;

void TCalculatorPage::DockCalculator() { FCalculator->DockInto(Panel7); }

void TCalculatorPage::FocusCalculator() {
  if (FCalculator->isWindow()) FCalculator->activateWindow();
  FCalculator->setFocus(Qt::OtherFocusReason);
}
