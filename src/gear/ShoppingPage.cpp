#include "gear/ShoppingPage.h"

#include "ui/AppContext.h"

namespace {

TCategoryListSetup ShoppingSetup() {
  return {"Shopping Category",
          "Shopping Items",
          "Add New &Item",
          "Only Current Gear Categoty",
          {{"Total Weight:", "Calculate Total", {TShoppingList::WeightField, TStatistic::Total}},
           {"Total Cost:", "Calculate Total", {TShoppingList::PriceField, TStatistic::Total}}},
          false};
}

}  // namespace

TShoppingPage::TShoppingPage(TAppContext& Context, QWidget* Parent)
    : TCategoryListPage(Context, std::make_unique<TShoppingList>(Context.Store), ShoppingSetup(), Parent),
      GroupBox18(CategoryGroup),
      Edit11(CategoryEdit),
      Button17(AddCategoryButton),
      Button18(ModifyCategoryButton),
      ElTree2(Tree),
      PopupMenu4(TreePopup),
      DeleteSelected2(DeleteSelectedAction),
      GroupBox5(ItemGroup),
      Button12(AddItemButton),
      ValueListEditor2(Editor),
      Button16(DeleteSelectedButton),
      GroupBox16(StatisticsGroup),
      CheckBox12(OnlyCurrentCategoryBox),
      Label9(StatisticControls[TotalWeight].Label),
      Edit9(StatisticControls[TotalWeight].Box),
      Button19(StatisticControls[TotalWeight].Button),
      Label10(StatisticControls[TotalPrice].Label),
      Edit10(StatisticControls[TotalPrice].Box),
      Button39(StatisticControls[TotalPrice].Button) {}
