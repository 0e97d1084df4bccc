#include "gear/BudgetPage.h"

TBudgetPage::TBudgetPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
