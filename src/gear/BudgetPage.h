// The Budget Manager page: costs against the budget, weights against a target.
#pragma once

#include "app/TripPage.h"

class TBudgetPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TBudgetPage(TAppContext& Context, QWidget* Parent = nullptr);
};
