#include "store/Traveler.h"

#include <stdexcept>

namespace {

template <class T>
void RemoveAt(TOwnedList<T>& List, int Index) {
  CheckListIndex(Index, List.size());
  List.erase(List.begin() + Index);
}

template <class T>
T& Append(TOwnedList<T>& List) {
  List.push_back(std::make_unique<T>());
  return *List.back();
}

void FillGearItem(TGearCategory& Item, const std::string& Name, const std::string& Weight,
                  const std::string& Cost, const std::string& Own, const std::string& Necessity,
                  const std::string& Volume, const std::string& Other) {
  Item.Name = Name;
  Item.Weight = Weight;
  Item.Cost = Cost;
  Item.Own = Own;
  Item.Necessity = Necessity;
  Item.Volume = Volume;
  Item.Other = Other;
}

void FillShopingItem(TShopingItem& Item, const std::string& Name, const std::string& Price,
                     const std::string& Store, const std::string& Weight,
                     const std::string& Other) {
  Item.Name = Name;
  Item.Price = Price;
  Item.Store = Store;
  Item.Weight = Weight;
  Item.Other = Other;
}

}  // namespace

std::string& TContact::Field(int Position) {
  return const_cast<std::string&>(static_cast<const TContact*>(this)->Field(Position));
}

const std::string& TContact::Field(int Position) const {
  const std::string* Fields[FieldCount] = {&Name,
                                           &Nickname,
                                           &Hometown,
                                           &CurrentMailingAddress,
                                           &EMail,
                                           &AlternateEMail,
                                           &Phone,
                                           &AlternatePhone,
                                           &EmergencyContactInformation,
                                           &AllergiesMedication,
                                           &OtherInformation};
  CheckListIndex(Position, FieldCount);
  return *Fields[Position];
}

std::string& TPermit::Field(int Position) {
  return const_cast<std::string&>(static_cast<const TPermit*>(this)->Field(Position));
}

const std::string& TPermit::Field(int Position) const {
  const std::string* Fields[FieldCount] = {&ParkName, &Phone, &Fax,  &Requirements,
                                           &Cost,     &Dates, &Notes};
  CheckListIndex(Position, FieldCount);
  return *Fields[Position];
}

TTravelerData::TTravelerData() = default;
TTravelerData::~TTravelerData() = default;

// ---- Trips ----

bool TTravelerData::NewTrip() {
  std::string Name;
  if (FPrompt && !FPrompt->InputText("Trip's Name", "What do you want to call this trip (Ex: Bahamas2007)?", Name))
    return false;
  AppendTrip();
  FTrips.back()->Name = Name;
  return true;
}

void TTravelerData::AppendTrip() { Append(FTrips); }

bool TTravelerData::DeleteTrip(int Trip, bool Confirm) {
  CheckListIndex(Trip, FTrips.size());
  if (Confirm) {
    if (!FPrompt || !FPrompt->ConfirmYes("Are you sure you want to delete this plan?")) return false;
  }
  RemoveAt(FTrips, Trip);
  return true;
}

int TTravelerData::TripCount() const { return static_cast<int>(FTrips.size()); }
TTrip& TTravelerData::GetTrip(int Trip) { return ItemAt(FTrips, Trip); }
const TTrip& TTravelerData::GetTrip(int Trip) const { return ItemAt(FTrips, Trip); }
std::string TTravelerData::GetBudget(int Trip) const { return GetTrip(Trip).Budget; }
void TTravelerData::SetBudget(int Trip, const std::string& Text) { GetTrip(Trip).Budget = Text; }

// ---- Notes ----

void TTravelerData::AddNote(int Trip, const TTextLines& Lines, int Day, int Month, int Year) {
  TDayNote& Note = Append(GetTrip(Trip).Notes);
  Note.Lines = Lines;
  Note.Day = Day;
  Note.Month = Month;
  Note.Year = Year;
}

TDayNote& TTravelerData::GetNote(int Trip, int i) { return ItemAt(GetTrip(Trip).Notes, i); }
int TTravelerData::NoteCount(int Trip) const { return static_cast<int>(GetTrip(Trip).Notes.size()); }
void TTravelerData::DeleteNote(int Trip, int i) { RemoveAt(GetTrip(Trip).Notes, i); }

// ---- Gear ----

void TTravelerData::AddGearCategory(int Trip, const std::string& Name) {
  Append(GetTrip(Trip).GearCategories).Name = Name;
}

TGearCategory& TTravelerData::GetGearCategory(int Trip, int Cat) {
  return ItemAt(GetTrip(Trip).GearCategories, Cat);
}

int TTravelerData::GearCategoryCount(int Trip) const {
  return static_cast<int>(GetTrip(Trip).GearCategories.size());
}

void TTravelerData::DeleteGearCategory(int Trip, int Cat) { RemoveAt(GetTrip(Trip).GearCategories, Cat); }

void TTravelerData::AddGearItem(int Trip, int Cat, const std::string& Name, const std::string& Weight,
                                const std::string& Cost, const std::string& Own,
                                const std::string& Necessity, const std::string& Volume,
                                const std::string& Other) {
  TGearCategory& Category = GetGearCategory(Trip, Cat);
  FillGearItem(Append(Category.Items), Name, Weight, Cost, Own, Necessity, Volume, Other);
}

TGearCategory& TTravelerData::GetGearItem(int Trip, int Cat, int i) {
  return ItemAt(GetGearCategory(Trip, Cat).Items, i);
}

int TTravelerData::GearItemCount(int Trip, int Cat) const {
  return static_cast<int>(ItemAt(GetTrip(Trip).GearCategories, Cat).Items.size());
}

void TTravelerData::DeleteGearItem(int Trip, int Cat, int i) { RemoveAt(GetGearCategory(Trip, Cat).Items, i); }

void TTravelerData::ReplaceGearItem(int Trip, int Cat, int i, const std::string& Name,
                                    const std::string& Weight, const std::string& Cost,
                                    const std::string& Own, const std::string& Necessity,
                                    const std::string& Volume, const std::string& Other) {
  auto& Items = GetGearCategory(Trip, Cat).Items;
  CheckListIndex(i, Items.size());
  auto Fresh = std::make_unique<TGearCategory>();
  FillGearItem(*Fresh, Name, Weight, Cost, Own, Necessity, Volume, Other);
  Items[static_cast<std::size_t>(i)] = std::move(Fresh);  // releases the old record
}

// ---- Plans ----

void TTravelerData::AddPlan(int Trip, const std::string& Name, const std::string& Details) {
  TPlan& Plan = Append(GetTrip(Trip).Plans);
  Plan.Name = Name;
  Plan.Details = Details;
}

TPlan& TTravelerData::GetPlan(int Trip, int i) { return ItemAt(GetTrip(Trip).Plans, i); }
int TTravelerData::PlanCount(int Trip) const { return static_cast<int>(GetTrip(Trip).Plans.size()); }
void TTravelerData::DeletePlan(int Trip, int i) { RemoveAt(GetTrip(Trip).Plans, i); }

void TTravelerData::SetPlan(int Trip, int i, const std::string& Name, const std::string& Details) {
  TPlan& Plan = GetPlan(Trip, i);
  Plan.Name = Name;
  Plan.Details = Details;
}

// ---- Shopping ----

void TTravelerData::AddShopingCategory(int Trip, const std::string& Name) {
  Append(GetTrip(Trip).ShopingCategories).Name = Name;
}

TShopingCategory& TTravelerData::GetShopingCategory(int Trip, int i) {
  return ItemAt(GetTrip(Trip).ShopingCategories, i);
}

int TTravelerData::ShopingCategoryCount(int Trip) const {
  return static_cast<int>(GetTrip(Trip).ShopingCategories.size());
}

void TTravelerData::DeleteShopingCategory(int Trip, int i) { RemoveAt(GetTrip(Trip).ShopingCategories, i); }

void TTravelerData::AddShopingItem(int Trip, int Cat, const std::string& Name,
                                   const std::string& Price, const std::string& Store,
                                   const std::string& Weight, const std::string& Other) {
  TShopingCategory& Category = GetShopingCategory(Trip, Cat);
  FillShopingItem(Append(Category.Items), Name, Price, Store, Weight, Other);
}

TShopingItem& TTravelerData::GetShopingItem(int Trip, int Cat, int i) {
  return ItemAt(GetShopingCategory(Trip, Cat).Items, i);
}

int TTravelerData::ShopingItemCount(int Trip, int Cat) const {
  return static_cast<int>(ItemAt(GetTrip(Trip).ShopingCategories, Cat).Items.size());
}

void TTravelerData::DeleteShopingItem(int Trip, int Cat, int i) {
  RemoveAt(GetShopingCategory(Trip, Cat).Items, i);
}

void TTravelerData::SetShopingItem(int Trip, int Cat, int i, const std::string& Name,
                                   const std::string& Price, const std::string& Store,
                                   const std::string& Weight, const std::string& Other) {
  FillShopingItem(GetShopingItem(Trip, Cat, i), Name, Price, Store, Weight, Other);
}

// ---- Recipes ----

void TTravelerData::AddRecipe(int Trip, const std::string& Name, const std::string& Procedure) {
  TRecipe& Recipe = Append(GetTrip(Trip).Recipes);
  Recipe.Name = Name;
  Recipe.Procedure = Procedure;
}

TRecipe& TTravelerData::GetRecipe(int Trip, int i) { return ItemAt(GetTrip(Trip).Recipes, i); }
int TTravelerData::RecipeCount(int Trip) const { return static_cast<int>(GetTrip(Trip).Recipes.size()); }
void TTravelerData::DeleteRecipe(int Trip, int i) { RemoveAt(GetTrip(Trip).Recipes, i); }

void TTravelerData::SetRecipe(int Trip, int i, const std::string& Name, const std::string& Procedure) {
  TRecipe& Recipe = GetRecipe(Trip, i);
  Recipe.Name = Name;
  Recipe.Procedure = Procedure;
}

// ---- Contacts and permits ----

void TTravelerData::AddContact(int Trip) { Append(GetTrip(Trip).Contacts); }
TContact& TTravelerData::GetContact(int Trip, int i) { return ItemAt(GetTrip(Trip).Contacts, i); }
int TTravelerData::ContactCount(int Trip) const { return static_cast<int>(GetTrip(Trip).Contacts.size()); }
void TTravelerData::DeleteContact(int Trip, int i) { RemoveAt(GetTrip(Trip).Contacts, i); }

void TTravelerData::AddPermit(int Trip, const std::string& ParkName) {
  Append(GetTrip(Trip).Permits).ParkName = ParkName;
}

TPermit& TTravelerData::GetPermit(int Trip, int i) { return ItemAt(GetTrip(Trip).Permits, i); }
int TTravelerData::PermitCount(int Trip) const { return static_cast<int>(GetTrip(Trip).Permits.size()); }
void TTravelerData::DeletePermit(int Trip, int i) { RemoveAt(GetTrip(Trip).Permits, i); }
