// A trip's list of named categories holding items with a fixed set of text
// fields: the gear list and the shopping list. The pages edit either list
// through this interface; records are addressed by position only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gear/core/FieldText.h"
#include "store/Traveler.h"

// One field of an item, in the order the item editor shows it.
struct TItemField {
  const char* Key;         // the editor's key for the field
  TFieldKind Kind;
  const char* ResetValue;  // the value of a new item and of an empty editor
};

using TItemTexts = std::vector<std::string>;

class TCategorizedList {
 public:
  virtual ~TCategorizedList() = default;

  // The item fields in editor order; the first is the item's name.
  virtual const std::vector<TItemField>& Fields() const = 0;
  // The name of a new item: this text followed by its number.
  virtual const char* NewItemName() const = 0;

  virtual int CategoryCount(int Trip) = 0;
  virtual const std::string& CategoryName(int Trip, int Cat) = 0;
  virtual void SetCategoryName(int Trip, int Cat, const std::string& Name) = 0;
  virtual void AddCategory(int Trip, const std::string& Name) = 0;
  virtual void DeleteCategory(int Trip, int Cat) = 0;

  virtual int ItemCount(int Trip, int Cat) = 0;
  virtual const std::string& ItemName(int Trip, int Cat, int Item) = 0;
  // The stored texts of an item in the order of Fields().
  virtual TItemTexts ItemTexts(int Trip, int Cat, int Item) = 0;
  virtual void AddItem(int Trip, int Cat, const TItemTexts& Texts) = 0;
  virtual void SetItemTexts(int Trip, int Cat, int Item, const TItemTexts& Texts) = 0;
  virtual void DeleteItem(int Trip, int Cat, int Item) = 0;

  // Adds "<NewItemName><n>" with the reset values, n being the number of
  // items the category then holds.
  void AddNewItem(int Trip, int Cat);
  // The reset values of Fields(), in order.
  TItemTexts ResetTexts() const;
};

// Gear categories and items: Name, Weight, Cost, Own, Necesity, Volume, Other.
class TGearList : public TCategorizedList {
 public:
  explicit TGearList(TTravelerData& Store) : FStore(Store) {}
  enum TField { NameField, WeightField, CostField, OwnField, NecessityField, VolumeField, OtherField };

  const std::vector<TItemField>& Fields() const override;
  const char* NewItemName() const override { return "New Gear Item"; }
  int CategoryCount(int Trip) override;
  const std::string& CategoryName(int Trip, int Cat) override;
  void SetCategoryName(int Trip, int Cat, const std::string& Name) override;
  void AddCategory(int Trip, const std::string& Name) override;
  void DeleteCategory(int Trip, int Cat) override;
  int ItemCount(int Trip, int Cat) override;
  const std::string& ItemName(int Trip, int Cat, int Item) override;
  TItemTexts ItemTexts(int Trip, int Cat, int Item) override;
  void AddItem(int Trip, int Cat, const TItemTexts& Texts) override;
  void SetItemTexts(int Trip, int Cat, int Item, const TItemTexts& Texts) override;
  void DeleteItem(int Trip, int Cat, int Item) override;

 private:
  TTravelerData& FStore;
};

// Shopping categories and items: Name, Weight, Price, Store, Other.
class TShoppingList : public TCategorizedList {
 public:
  explicit TShoppingList(TTravelerData& Store) : FStore(Store) {}
  enum TField { NameField, WeightField, PriceField, StoreField, OtherField };

  const std::vector<TItemField>& Fields() const override;
  const char* NewItemName() const override { return "New Shopping Item"; }
  int CategoryCount(int Trip) override;
  const std::string& CategoryName(int Trip, int Cat) override;
  void SetCategoryName(int Trip, int Cat, const std::string& Name) override;
  void AddCategory(int Trip, const std::string& Name) override;
  void DeleteCategory(int Trip, int Cat) override;
  int ItemCount(int Trip, int Cat) override;
  const std::string& ItemName(int Trip, int Cat, int Item) override;
  TItemTexts ItemTexts(int Trip, int Cat, int Item) override;
  void AddItem(int Trip, int Cat, const TItemTexts& Texts) override;
  void SetItemTexts(int Trip, int Cat, int Item, const TItemTexts& Texts) override;
  void DeleteItem(int Trip, int Cat, int Item) override;

 private:
  TTravelerData& FStore;
};

// A figure of the statistics box: the total or the average of one field.
struct TStatistic {
  enum TAggregate { Total, Average };
  int Field;
  TAggregate Aggregate;
};

// Every statistic over the items of all categories of the trip, or of
// OnlyCategory alone, in display units. Every field named by a statistic is
// read for every item, so a value that is not a number fails them all
// (TNumberTextError); an empty scope gives 0.
std::vector<long double> ListStatistics(TCategorizedList& List, int Trip, std::optional<int> OnlyCategory,
                                        const std::vector<TStatistic>& Statistics, const TDisplayUnits& Units);
