// The Gear and Shopping List pages built alone, each on a context of its own
// without the main window: they show the selected trip's categories and
// items, and add the category typed into the category box.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "gear/core/CategorizedList.h"
#include "support/ScriptedPrompts.h"
#include "ui/AppContext.h"
#include "widgets/CategoryTree.h"

namespace {

struct TCategoryPageCase {
  const char* Page;
  std::function<std::unique_ptr<TCategoryListPage>(TAppContext&)> Make;
  std::function<std::unique_ptr<TCategorizedList>(TTravelerData&)> List;
  TItemTexts Item;
};

template <class TPage>
std::unique_ptr<TCategoryListPage> MakePage(TAppContext& Context) {
  return std::make_unique<TPage>(Context);
}
template <class TList>
std::unique_ptr<TCategorizedList> MakeList(TTravelerData& Store) {
  return std::make_unique<TList>(Store);
}

TEST(CategoryPagesAloneTest, ShowAndAddCategoriesOnAContextOfTheirOwn) {
  const TCategoryPageCase Cases[] = {
      {"Gear", MakePage<TGearPage>, MakeList<TGearList>, {"Tent", "1.5", "200", "Yes", "1", "0.004", ""}},
      {"Shopping List", MakePage<TShoppingPage>, MakeList<TShoppingList>, {"Rice", "3", "Market", "1", ""}},
  };
  for (const TCategoryPageCase& Case : Cases) {
    SCOPED_TRACE(Case.Page);
    TTravelerData Store;
    Store.AppendTrip();
    const auto List = Case.List(Store);
    List->AddCategory(0, "Shelter");
    List->AddItem(0, 0, Case.Item);
    TScriptedPrompts Prompts;
    TAppContext Context(Store, Prompts);
    Context.SetSelectedTripSource([] { return 0; });
    const auto Page = Case.Make(Context);

    Page->FillPage();
    ASSERT_EQ(Page->Tree->CategoryRowCount(), 1);
    EXPECT_EQ(Page->Tree->RowText({0, -1}), "Shelter");
    ASSERT_EQ(Page->Tree->ItemRowCount(0), 1);
    EXPECT_EQ(Page->Tree->RowText({0, 0}), QString::fromStdString(Case.Item[0]));

    Page->CategoryEdit->setText("Kitchen");
    Page->AddCategoryButton->click();
    ASSERT_EQ(List->CategoryCount(0), 2);
    EXPECT_EQ(List->CategoryName(0, 1), "Kitchen");
    EXPECT_EQ(Page->Tree->CategoryRowCount(), 2);
    EXPECT_TRUE(Prompts.All().isEmpty()) << Prompts.All().join(" | ").toStdString();
  }
}

}  // namespace
