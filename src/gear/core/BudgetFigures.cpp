#include "gear/core/BudgetFigures.h"

#include <cctype>

#include "gear/core/FigureText.h"

namespace {

// Own compared as the upper case "NO", letters a-z only.
bool NotOwned(const std::string& Own) {
  std::string Upper = Own;
  for (char& c : Upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return Upper == "NO";
}

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

[[noreturn]] void NotANumber(const std::string& What, const std::string& Text) {
  throw TCostsBudgetError("Cannot compute the costs budget: " + What + " is not a number ('" + Text + "').");
}

// Adds a stored figure to a double sum, the addition done at 64-bit mantissa.
void AddTo(double& Sum, const std::string& Stored) { Sum = static_cast<double>(Sum + ReadStoredFigure(Stored)); }

// The same, naming the value (described by What()) when it is not a number.
template <class Description>
void AddCost(double& Sum, const std::string& Stored, Description What) {
  if (!IsStoredFigure(Stored)) NotANumber(What(), Stored);
  AddTo(Sum, Stored);
}

std::string OfTrip(TTravelerData& Store, int Trip) { return " of trip " + Quoted(Store.GetTrip(Trip).Name); }

std::string ItemOfList(const std::string& Field, const std::string& Item, const std::string& Category,
                       const std::string& List) {
  return "the " + Field + " of " + Quoted(Item) + " in category " + Quoted(Category) + " of the " + List;
}

}  // namespace

TTripCosts TripCosts(TTravelerData& Store, int Trip, bool OnlyGearNotOwned) {
  TTripCosts Costs;
  for (int Cat = 0; Cat < Store.GearCategoryCount(Trip); ++Cat)
    for (int Item = 0; Item < Store.GearItemCount(Trip, Cat); ++Item) {
      const TGearCategory& Gear = Store.GetGearItem(Trip, Cat, Item);
      if (!OnlyGearNotOwned || NotOwned(Gear.Own))
        AddCost(Costs.Gear, Gear.Cost, [&] {
          return ItemOfList("cost", Gear.Name, Store.GetGearCategory(Trip, Cat).Name, "gear list") + OfTrip(Store, Trip);
        });
    }
  for (int Cat = 0; Cat < Store.ShopingCategoryCount(Trip); ++Cat)
    for (int Item = 0; Item < Store.ShopingItemCount(Trip, Cat); ++Item) {
      const TShopingItem& Shopping = Store.GetShopingItem(Trip, Cat, Item);
      AddCost(Costs.Shopping, Shopping.Price, [&] {
        return ItemOfList("price", Shopping.Name, Store.GetShopingCategory(Trip, Cat).Name, "shopping list") +
               OfTrip(Store, Trip);
      });
    }
  for (int Permit = 0; Permit < Store.PermitCount(Trip); ++Permit) {
    const TPermit& Record = Store.GetPermit(Trip, Permit);
    AddCost(Costs.Permits, Record.Cost,
            [&] { return "the cost of park permit " + Quoted(Record.ParkName) + OfTrip(Store, Trip); });
  }
  return Costs;
}

long double TypedTripBudget(TTravelerData& Store, int Trip, const std::string& Typed, const TNumberSettings& Settings) {
  const TTypedFigure Budget = ReadTypedFigure(Typed, Settings);
  if (Budget.Reading == TTypedReading::Ambiguous)
    throw TCostsBudgetError("Cannot compute the costs budget: the budget" + OfTrip(Store, Trip) +
                            " is not a number with the decimal separator \"" +
                            std::string(1, Settings.DecimalSeparator) + "\" of your regional settings ('" + Typed +
                            "').");
  if (Budget.Reading == TTypedReading::NotANumber) NotANumber("the budget" + OfTrip(Store, Trip), Typed);
  return Budget.Value;
}

long double StoredTripBudget(TTravelerData& Store, int Trip) {
  const std::string& Budget = Store.GetBudget(Trip);
  if (!IsStoredFigure(Budget)) NotANumber("the budget" + OfTrip(Store, Trip), Budget);
  return ReadStoredFigure(Budget);
}

TCostsBudget ComputeCostsBudget(const TTripCosts& Costs, long double Budget, const TCostsBudgetChoice& Choice) {
  TCostsBudget Result;
  Result.Costs = Costs;
  Result.Left = Budget;
  const std::pair<bool, std::pair<const char*, double>> Steps[] = {
      {Choice.SubtractGear, {"Gear List", Result.Costs.Gear}},
      {Choice.SubtractShopping, {"Shoping List", Result.Costs.Shopping}},
      {Choice.SubtractPermits, {"Park Permits", Result.Costs.Permits}}};
  for (const auto& [Chosen, Cost] : Steps) {
    if (!Chosen) continue;
    // Each result passes through number text, as the Budget Left box shows it.
    Result.Left = ReadStoredFigure(WriteStoredFigure(Result.Left - Cost.second));
    Result.Deducted.push_back(Cost);
  }
  return Result;
}

double CategoryKilograms(TCategorizedList& List, int Trip, int Cat) {
  const auto& Fields = List.Fields();
  std::size_t WeightField = 0;
  while (WeightField < Fields.size() && Fields[WeightField].Kind != TFieldKind::Weight) ++WeightField;
  double Sum = 0;
  for (int Item = 0; Item < List.ItemCount(Trip, Cat); ++Item) AddTo(Sum, List.ItemTexts(Trip, Cat, Item).at(WeightField));
  return Sum;
}
