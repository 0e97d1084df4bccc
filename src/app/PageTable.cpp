#include "app/PageTable.h"

#include "app/CalculatorPage.h"
#include "app/CalendarPage.h"
#include "app/GoShoppingPage.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "reports/ReportsPage.h"

namespace {

template <class TPage>
TTripPage* Make(TAppContext& Context) {
  return new TPage(Context);
}

using P = TPageIndices;
using D = TPageDescriptor;
using S = TStoreSection;

constexpr TPageTable Pages = {{
    {P::CalendarPageIndex, "Calendar", "calendar", S::Notes, 0, D::NoFlags, Make<TCalendarPage>},
    {P::GearPageIndex, "Gear", "gear", S::Gear, 1, D::FollowsWeightUnit | D::FollowsVolumeUnit, Make<TGearPage>},
    {P::LogisticsPageIndex, "Logistics", "logistics", S::Plans, 2, D::NoFlags, Make<TLogisticsPage>},
    {P::CalculatorPageIndex, "Calculator", "calculator", S::None, D::NotRefreshed, D::NoFlags,
     Make<TCalculatorPage>},
    {P::ShoppingPageIndex, "Shopping List", "shopping", S::Shopping, 3, D::FollowsWeightUnit, Make<TShoppingPage>},
    {P::RecipesPageIndex, "Recipes", "recipes", S::Recipes, 4, D::NoFlags, Make<TRecipesPage>},
    {P::PermitsPageIndex, "Permits Manager", "permits", S::Permits, 5, D::NoFlags, Make<TPermitsPage>},
    {P::ContactsPageIndex, "Contact Information", "contacts", S::Contacts, 6, D::NoFlags, Make<TContactsPage>},
    {P::BudgetPageIndex, "Budget Manager", "budget", S::Budget, 7, D::FollowsWeightUnit, Make<TBudgetPage>},
    {P::ReportsPageIndex, "Reports", "reports", S::None, D::NotRefreshed, D::NoFlags, Make<TReportsPage>},
    {P::GoShoppingPageIndex, "Go Shopping!", nullptr, S::None, D::NotRefreshed, D::NoFlags, Make<TGoShoppingPage>},
}};

constexpr bool RowsInTabOrder() {
  for (std::size_t i = 0; i < Pages.size(); ++i)
    if (Pages[i].Index != static_cast<int>(i)) return false;
  return true;
}
static_assert(RowsInTabOrder(), "each page's row sits at its tab's position");

}  // namespace

const TPageTable& PageTable() { return Pages; }

const char* PageCaptionFor(TStoreSection Section) {
  if (Section == TStoreSection::None) return nullptr;
  for (const TPageDescriptor& Page : Pages)
    if (Page.Shows == Section) return Page.Caption;
  return nullptr;
}
