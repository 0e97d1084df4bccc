// Each plan page built alone on a context of its own, without the main
// window, as the pages allow: it lists the selected trip's records, adds the
// name typed into its name box, and empties itself when no trip is selected.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "support/ScriptedPrompts.h"
#include "ui/AppContext.h"
#include "widgets/CheckListBox.h"

namespace {

struct TPlanPageCase {
  const char* Page;
  std::function<std::unique_ptr<TListDetailsPage>(TAppContext&)> Make;
  std::function<void(TTravelerData&, const std::string&)> AddRecord;  // to trip 0
  std::function<int(TTravelerData&)> Count;                           // of trip 0
  std::function<std::string(TTravelerData&, int)> Name;               // of trip 0's record i
};

template <class TPage>
std::unique_ptr<TListDetailsPage> Make(TAppContext& Context) {
  return std::make_unique<TPage>(Context);
}

const TPlanPageCase Cases[] = {
    {"Logistics", Make<TLogisticsPage>, [](TTravelerData& S, const std::string& N) { S.AddPlan(0, N, ""); },
     [](TTravelerData& S) { return S.PlanCount(0); }, [](TTravelerData& S, int i) { return S.GetPlan(0, i).Name; }},
    {"Recipes", Make<TRecipesPage>, [](TTravelerData& S, const std::string& N) { S.AddRecipe(0, N, ""); },
     [](TTravelerData& S) { return S.RecipeCount(0); }, [](TTravelerData& S, int i) { return S.GetRecipe(0, i).Name; }},
    {"Permits", Make<TPermitsPage>, [](TTravelerData& S, const std::string& N) { S.AddPermit(0, N); },
     [](TTravelerData& S) { return S.PermitCount(0); },
     [](TTravelerData& S, int i) { return S.GetPermit(0, i).ParkName; }},
    {"Contacts", Make<TContactsPage>,
     [](TTravelerData& S, const std::string& N) {
       S.AddContact(0);
       S.GetContact(0, S.ContactCount(0) - 1).Name = N;
     },
     [](TTravelerData& S) { return S.ContactCount(0); },
     [](TTravelerData& S, int i) { return S.GetContact(0, i).Name; }},
};

TEST(PlanPagesAloneTest, ListAddAndClearOnAContextOfTheirOwn) {
  for (const TPlanPageCase& Case : Cases) {
    SCOPED_TRACE(Case.Page);
    TTravelerData Store;
    Store.AppendTrip();
    Case.AddRecord(Store, "First");
    Case.AddRecord(Store, "Second");
    TScriptedPrompts Prompts;
    TAppContext Context(Store, Prompts);
    int Trip = 0;
    Context.SetSelectedTripSource([&Trip] { return Trip; });
    const auto Page = Case.Make(Context);

    Page->FillPage();
    ASSERT_EQ(Page->List->count(), 2);
    EXPECT_EQ(Page->List->item(1)->text(), "Second");

    Page->NameBox->setText("Third");
    Page->AddButton->click();
    ASSERT_EQ(Case.Count(Store), 3);
    EXPECT_EQ(Case.Name(Store, 2), "Third");
    EXPECT_EQ(Page->List->count(), 3);

    Trip = -1;
    Page->ClearPage();
    EXPECT_EQ(Page->List->count(), 0);
    EXPECT_TRUE(Prompts.All().isEmpty()) << Prompts.All().join(" | ").toStdString();
  }
}

}  // namespace
