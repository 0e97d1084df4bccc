// The positions of the main window's tab pages, known to the pages that act
// differently while they are the one shown. Each names a row of the page
// table (app/PageTable.cpp), which checks that its rows keep these positions.
#pragma once

struct TPageIndices {
  // Page indices of PageControl1.
  enum TPageIndex {
    CalendarPageIndex = 0,
    GearPageIndex,
    LogisticsPageIndex,
    CalculatorPageIndex,
    ShoppingPageIndex,
    RecipesPageIndex,
    PermitsPageIndex,
    ContactsPageIndex,
    BudgetPageIndex,
    ReportsPageIndex,
    GoShoppingPageIndex,
    PageCount
  };
};
