#include "gear/BudgetFigures.h"

#include <cctype>

#include "gear/NumberText.h"

namespace {

// Own compared as the upper case "NO", letters a-z only.
bool NotOwned(const std::string& Own) {
  std::string Upper = Own;
  for (char& c : Upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return Upper == "NO";
}

// Adds a stored figure to a double sum, the addition done at 64-bit mantissa.
void AddTo(double& Sum, const std::string& Stored) {
  Sum = static_cast<double>(Sum + TextToNumber(Stored, StoredDecimalSeparator));
}

}  // namespace

TTripCosts TripCosts(TTravelerData& Store, int Trip, bool OnlyGearNotOwned) {
  TTripCosts Costs;
  for (int Cat = 0; Cat < Store.GearCategoryCount(Trip); ++Cat)
    for (int Item = 0; Item < Store.GearItemCount(Trip, Cat); ++Item) {
      const TGearCategory& Gear = Store.GetGearItem(Trip, Cat, Item);
      if (!OnlyGearNotOwned || NotOwned(Gear.Own)) AddTo(Costs.Gear, Gear.Cost);
    }
  for (int Cat = 0; Cat < Store.ShopingCategoryCount(Trip); ++Cat)
    for (int Item = 0; Item < Store.ShopingItemCount(Trip, Cat); ++Item)
      AddTo(Costs.Shopping, Store.GetShopingItem(Trip, Cat, Item).Price);
  for (int Permit = 0; Permit < Store.PermitCount(Trip); ++Permit) AddTo(Costs.Permits, Store.GetPermit(Trip, Permit).Cost);
  return Costs;
}

double CategoryKilograms(TCategorizedList& List, int Trip, int Cat) {
  const auto& Fields = List.Fields();
  std::size_t WeightField = 0;
  while (WeightField < Fields.size() && Fields[WeightField].Kind != TFieldKind::Weight) ++WeightField;
  double Sum = 0;
  for (int Item = 0; Item < List.ItemCount(Trip, Cat); ++Item) AddTo(Sum, List.ItemTexts(Trip, Cat, Item).at(WeightField));
  return Sum;
}
