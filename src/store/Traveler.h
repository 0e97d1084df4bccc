// The in-memory store of every trip plan and its record types.
//
// All user data is byte text (std::string). Every list keeps insertion order,
// allows duplicates and is addressed by a zero-based int index; an index
// outside its list throws std::out_of_range and changes nothing. Records are
// owned by the store: callers get references, valid until the record (or an
// owner of it) is removed or replaced.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/ListIndex.h"
#include "store/RecordPool.h"

// An ordered list that owns its records; references to records stay valid
// while other records are appended or removed.
template <class T>
using TOwnedList = std::vector<std::unique_ptr<T>>;

using TTextLines = std::vector<std::string>;

struct TDayNote {
  int Day = 0;
  int Month = 0;
  int Year = 0;
  TTextLines Lines;

  QMP_POOLED_RECORD(TDayNote)
};

// Serves as a gear category (Name, Items) and as a gear item (the text fields).
struct TGearCategory {
  TOwnedList<TGearCategory> Items;
  std::string Cost;
  std::string Weight;     // kilograms, as number text
  std::string Necessity;
  std::string Volume;     // cubic meters, as number text
  std::string Name;
  std::string Own;        // "Yes" or "No"
  std::string Other;

  QMP_POOLED_RECORD(TGearCategory)
};

struct TPlan {
  std::string Name;
  std::string Details;

  QMP_POOLED_RECORD(TPlan)
};

struct TShopingItem {
  std::string Name;
  std::string Store;
  std::string Other;
  std::string Price;
  std::string Weight;  // kilograms, as number text

  QMP_POOLED_RECORD(TShopingItem)
};

struct TShopingCategory {
  std::string Name;
  TOwnedList<TShopingItem> Items;

  QMP_POOLED_RECORD(TShopingCategory)
};

struct TRecipe {
  std::string Name;
  std::string Procedure;
  TTextLines Ingredients;

  QMP_POOLED_RECORD(TRecipe)
};

struct TContact {
  std::string Name;
  std::string Nickname;
  std::string Hometown;
  std::string CurrentMailingAddress;
  std::string EMail;
  std::string AlternateEMail;
  std::string Phone;
  std::string AlternatePhone;
  std::string EmergencyContactInformation;
  std::string AllergiesMedication;
  std::string OtherInformation;

  static constexpr int FieldCount = 11;
  // Field by position 0..10, in the order above.
  std::string& Field(int Position);
  const std::string& Field(int Position) const;

  QMP_POOLED_RECORD(TContact)
};

struct TPermit {
  std::string ParkName;
  std::string Phone;
  std::string Fax;
  std::string Requirements;
  std::string Cost;
  std::string Dates;
  std::string Notes;

  static constexpr int FieldCount = 7;
  std::string& Field(int Position);
  const std::string& Field(int Position) const;

  QMP_POOLED_RECORD(TPermit)
};

struct TTrip {
  std::string Name;
  TOwnedList<TDayNote> Notes;
  TOwnedList<TGearCategory> GearCategories;
  TOwnedList<TPlan> Plans;
  TOwnedList<TShopingCategory> ShopingCategories;
  TOwnedList<TRecipe> Recipes;
  TOwnedList<TContact> Contacts;
  std::string Budget;
  TOwnedList<TPermit> Permits;

  QMP_POOLED_RECORD(TTrip)
};

// What the store asks the user: the name of a new trip and the confirmation
// of a deletion. The user interface supplies the dialogs.
class TStorePrompt {
 public:
  virtual ~TStorePrompt() = default;
  // Shows a text input dialog starting with Value; true when the user
  // confirms, Value then holding the text typed.
  virtual bool InputText(const std::string& Caption, const std::string& Prompt, std::string& Value) = 0;
  // Asks a Yes/No question; true only for Yes.
  virtual bool ConfirmYes(const std::string& Text) = 0;
};

class TTravelerData {
 public:
  TTravelerData();
  ~TTravelerData();
  TTravelerData(const TTravelerData&) = delete;
  TTravelerData& operator=(const TTravelerData&) = delete;

  // The prompt used by NewTrip and DeleteTrip; not owned. Without one,
  // NewTrip names the trip "" and a confirmation is answered No.
  void SetPrompt(TStorePrompt* Prompt) { FPrompt = Prompt; }

  // Trips
  // Asks for a name and appends a trip with it; a cancelled question adds
  // nothing. Returns whether a trip was added.
  bool NewTrip();
  void AppendTrip();
  bool DeleteTrip(int Trip, bool Confirm);
  int TripCount() const;
  TTrip& GetTrip(int Trip);
  const TTrip& GetTrip(int Trip) const;
  std::string GetBudget(int Trip) const;
  void SetBudget(int Trip, const std::string& Text);

  // The data file qmp.dat in the working directory, or the given path.
  // LoadFromFile returns true when the whole file was read; it throws
  // TDataFileError("Error in open data file!") when the header is wrong.
  bool LoadFromFile();
  bool LoadFromFile(const std::string& Path);
  void SaveToFile();
  void SaveToFile(const std::string& Path);
  // Replaces every trip with those of Bytes, in the data file's layout (as
  // DataFileBytes gives them). Returns whether the bytes were complete;
  // throws TDataFileError on a wrong header, leaving the store empty.
  bool LoadFromBytes(const std::vector<std::uint8_t>& Bytes);
  // Makes the store, which holds the trips of Before, hold those of After
  // (both complete data files, as DataFileBytes gives them), reading again
  // only the trips that differ: an undo of a large store stays quick.
  void ReplaceChangedTrips(const std::vector<std::uint8_t>& Before, const std::vector<std::uint8_t>& After);

  // Renames trip Trip.
  void RenameTrip(int Trip, const std::string& Name);
  // Appends a copy of trip Trip, every list and text included, named Name.
  void DuplicateTrip(int Trip, const std::string& Name);

  // Calendar notes
  void AddNote(int Trip, const TTextLines& Lines, int Day, int Month, int Year);
  TDayNote& GetNote(int Trip, int i);
  int NoteCount(int Trip) const;
  void DeleteNote(int Trip, int i);

  // Gear
  void AddGearCategory(int Trip, const std::string& Name);
  TGearCategory& GetGearCategory(int Trip, int Cat);
  int GearCategoryCount(int Trip) const;
  void DeleteGearCategory(int Trip, int Cat);
  void AddGearItem(int Trip, int Cat, const std::string& Name, const std::string& Weight,
                   const std::string& Cost, const std::string& Own, const std::string& Necessity,
                   const std::string& Volume, const std::string& Other);
  TGearCategory& GetGearItem(int Trip, int Cat, int i);
  int GearItemCount(int Trip, int Cat) const;
  void DeleteGearItem(int Trip, int Cat, int i);
  void ReplaceGearItem(int Trip, int Cat, int i, const std::string& Name,
                       const std::string& Weight, const std::string& Cost, const std::string& Own,
                       const std::string& Necessity, const std::string& Volume,
                       const std::string& Other);

  // Logistics plans
  void AddPlan(int Trip, const std::string& Name, const std::string& Details);
  TPlan& GetPlan(int Trip, int i);
  int PlanCount(int Trip) const;
  void DeletePlan(int Trip, int i);
  void SetPlan(int Trip, int i, const std::string& Name, const std::string& Details);

  // Shopping
  void AddShopingCategory(int Trip, const std::string& Name);
  TShopingCategory& GetShopingCategory(int Trip, int i);
  int ShopingCategoryCount(int Trip) const;
  void DeleteShopingCategory(int Trip, int i);
  void AddShopingItem(int Trip, int Cat, const std::string& Name, const std::string& Price,
                      const std::string& Store, const std::string& Weight,
                      const std::string& Other);
  TShopingItem& GetShopingItem(int Trip, int Cat, int i);
  int ShopingItemCount(int Trip, int Cat) const;
  void DeleteShopingItem(int Trip, int Cat, int i);
  void SetShopingItem(int Trip, int Cat, int i, const std::string& Name, const std::string& Price,
                      const std::string& Store, const std::string& Weight,
                      const std::string& Other);

  // Recipes
  void AddRecipe(int Trip, const std::string& Name, const std::string& Procedure);
  TRecipe& GetRecipe(int Trip, int i);
  int RecipeCount(int Trip) const;
  void DeleteRecipe(int Trip, int i);
  void SetRecipe(int Trip, int i, const std::string& Name, const std::string& Procedure);

  // Contacts and permits
  void AddContact(int Trip);
  TContact& GetContact(int Trip, int i);
  int ContactCount(int Trip) const;
  void DeleteContact(int Trip, int i);
  void AddPermit(int Trip, const std::string& ParkName);
  TPermit& GetPermit(int Trip, int i);
  int PermitCount(int Trip) const;
  void DeletePermit(int Trip, int i);

 private:
  TOwnedList<TTrip> FTrips;
  TStorePrompt* FPrompt = nullptr;
};

template <class T>
T& ItemAt(TOwnedList<T>& List, int Index) {
  CheckListIndex(Index, List.size());
  return *List[static_cast<std::size_t>(Index)];
}

template <class T>
const T& ItemAt(const TOwnedList<T>& List, int Index) {
  CheckListIndex(Index, List.size());
  return *List[static_cast<std::size_t>(Index)];
}
