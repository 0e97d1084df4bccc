#include "gear/core/CategorizedList.h"

namespace {

const std::string& TextAt(const TItemTexts& Texts, int Field) {
  return Texts.at(static_cast<std::size_t>(Field));
}

}  // namespace

void TCategorizedList::AddNewItem(int Trip, int Cat) {
  TItemTexts Texts = ResetTexts();
  Texts[0] = NewItemName() + std::to_string(ItemCount(Trip, Cat) + 1);
  AddItem(Trip, Cat, Texts);
}

TItemTexts TCategorizedList::ResetTexts() const {
  TItemTexts Texts;
  for (const TItemField& Field : Fields()) Texts.emplace_back(Field.ResetValue);
  return Texts;
}

// ---- Gear ----

const std::vector<TItemField>& TGearList::Fields() const {
  static const std::vector<TItemField> GearFields = {
      {"Name", TFieldKind::Text, ""},         {"Weight", TFieldKind::Weight, "0"},
      {"Cost", TFieldKind::Number, "0"},      {"Own", TFieldKind::Text, "No"},
      {"Necesity", TFieldKind::Number, "10"}, {"Volume", TFieldKind::Volume, "0"},
      {"Other", TFieldKind::Text, ""}};
  return GearFields;
}

int TGearList::CategoryCount(int Trip) { return FStore.GearCategoryCount(Trip); }
const std::string& TGearList::CategoryName(int Trip, int Cat) { return FStore.GetGearCategory(Trip, Cat).Name; }

void TGearList::SetCategoryName(int Trip, int Cat, const std::string& Name) {
  FStore.GetGearCategory(Trip, Cat).Name = Name;
}

void TGearList::AddCategory(int Trip, const std::string& Name) { FStore.AddGearCategory(Trip, Name); }
void TGearList::DeleteCategory(int Trip, int Cat) { FStore.DeleteGearCategory(Trip, Cat); }
int TGearList::ItemCount(int Trip, int Cat) { return FStore.GearItemCount(Trip, Cat); }

const std::string& TGearList::ItemName(int Trip, int Cat, int Item) {
  return FStore.GetGearItem(Trip, Cat, Item).Name;
}

TItemTexts TGearList::ItemTexts(int Trip, int Cat, int Item) {
  const TGearCategory& Gear = FStore.GetGearItem(Trip, Cat, Item);
  return {Gear.Name, Gear.Weight, Gear.Cost, Gear.Own, Gear.Necessity, Gear.Volume, Gear.Other};
}

void TGearList::AddItem(int Trip, int Cat, const TItemTexts& Texts) {
  FStore.AddGearItem(Trip, Cat, TextAt(Texts, NameField), TextAt(Texts, WeightField), TextAt(Texts, CostField),
                     TextAt(Texts, OwnField), TextAt(Texts, NecessityField), TextAt(Texts, VolumeField),
                     TextAt(Texts, OtherField));
}

void TGearList::SetItemTexts(int Trip, int Cat, int Item, const TItemTexts& Texts) {
  FStore.ReplaceGearItem(Trip, Cat, Item, TextAt(Texts, NameField), TextAt(Texts, WeightField),
                         TextAt(Texts, CostField), TextAt(Texts, OwnField), TextAt(Texts, NecessityField),
                         TextAt(Texts, VolumeField), TextAt(Texts, OtherField));
}

void TGearList::DeleteItem(int Trip, int Cat, int Item) { FStore.DeleteGearItem(Trip, Cat, Item); }

// ---- Shopping ----

const std::vector<TItemField>& TShoppingList::Fields() const {
  static const std::vector<TItemField> ShoppingFields = {{"Name", TFieldKind::Text, ""},
                                                         {"Weight", TFieldKind::Weight, "0"},
                                                         {"Price", TFieldKind::Number, "0"},
                                                         {"Store", TFieldKind::Text, ""},
                                                         {"Other", TFieldKind::Text, ""}};
  return ShoppingFields;
}

int TShoppingList::CategoryCount(int Trip) { return FStore.ShopingCategoryCount(Trip); }

const std::string& TShoppingList::CategoryName(int Trip, int Cat) {
  return FStore.GetShopingCategory(Trip, Cat).Name;
}

void TShoppingList::SetCategoryName(int Trip, int Cat, const std::string& Name) {
  FStore.GetShopingCategory(Trip, Cat).Name = Name;
}

void TShoppingList::AddCategory(int Trip, const std::string& Name) { FStore.AddShopingCategory(Trip, Name); }
void TShoppingList::DeleteCategory(int Trip, int Cat) { FStore.DeleteShopingCategory(Trip, Cat); }
int TShoppingList::ItemCount(int Trip, int Cat) { return FStore.ShopingItemCount(Trip, Cat); }

const std::string& TShoppingList::ItemName(int Trip, int Cat, int Item) {
  return FStore.GetShopingItem(Trip, Cat, Item).Name;
}

TItemTexts TShoppingList::ItemTexts(int Trip, int Cat, int Item) {
  const TShopingItem& Shopping = FStore.GetShopingItem(Trip, Cat, Item);
  return {Shopping.Name, Shopping.Weight, Shopping.Price, Shopping.Store, Shopping.Other};
}

void TShoppingList::AddItem(int Trip, int Cat, const TItemTexts& Texts) {
  FStore.AddShopingItem(Trip, Cat, TextAt(Texts, NameField), TextAt(Texts, PriceField),
                        TextAt(Texts, StoreField), TextAt(Texts, WeightField), TextAt(Texts, OtherField));
}

void TShoppingList::SetItemTexts(int Trip, int Cat, int Item, const TItemTexts& Texts) {
  FStore.SetShopingItem(Trip, Cat, Item, TextAt(Texts, NameField), TextAt(Texts, PriceField),
                        TextAt(Texts, StoreField), TextAt(Texts, WeightField), TextAt(Texts, OtherField));
}

void TShoppingList::DeleteItem(int Trip, int Cat, int Item) { FStore.DeleteShopingItem(Trip, Cat, Item); }

// ---- Statistics ----

std::vector<long double> ListStatistics(TCategorizedList& List, int Trip, std::optional<int> OnlyCategory,
                                        const std::vector<TStatistic>& Statistics, const TDisplayUnits& Units) {
  std::vector<long double> Sums(Statistics.size(), 0.0L);
  long double Count = 0;
  const int First = OnlyCategory ? *OnlyCategory : 0;
  const int Last = OnlyCategory ? *OnlyCategory : List.CategoryCount(Trip) - 1;
  const auto& Fields = List.Fields();
  for (int Cat = First; Cat <= Last; ++Cat) {
    const int Items = List.ItemCount(Trip, Cat);
    for (int Item = 0; Item < Items; ++Item) {
      const TItemTexts Texts = List.ItemTexts(Trip, Cat, Item);
      for (std::size_t s = 0; s < Statistics.size(); ++s) {
        const int Field = Statistics[s].Field;
        Sums[s] += StoredFigure(Fields.at(static_cast<std::size_t>(Field)).Kind, TextAt(Texts, Field), Units);
      }
      Count += 1;
    }
  }
  for (std::size_t s = 0; s < Statistics.size(); ++s)
    if (Statistics[s].Aggregate == TStatistic::Average && Count != 0) Sums[s] /= Count;
  return Sums;
}
