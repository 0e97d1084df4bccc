// Reading and writing the data file qmp.dat.
//
// Layout: header string, trip count (byte), the trips, trailer string "EOF".
// Strings are a 16-bit little-endian length followed by the bytes; every
// count is a 16-bit word except the trip count and a note's line count.
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"

namespace {

// A read past the end of the file: the rest of the file is missing.
struct TTruncated {};

// Reads the data file and stops at the first read past its end, so that a
// short or damaged file cannot produce records out of nothing.
class TCheckedReader {
 public:
  explicit TCheckedReader(TByteFile& File) : FFile(File) {}
  std::uint8_t Byte() { return Checked(FFile.ReadByte()); }
  std::uint16_t Word() { return Checked(FFile.ReadWord()); }
  std::string String() { return Checked(FFile.ReadString()); }

 private:
  template <class T>
  T Checked(T Value) {
    if (FFile.ReadFailed()) throw TTruncated();
    return Value;
  }
  TByteFile& FFile;
};

void ReadTrip(TTravelerData& Store, int Trip, TCheckedReader& In) {
  Store.GetTrip(Trip).Name = In.String();

  for (int n = In.Word(); n > 0; --n) {
    TTextLines Lines(In.Byte());
    for (auto& Line : Lines) Line = In.String();
    const int Day = In.Byte();
    const int Month = In.Byte();
    const int Year = In.Word();
    Store.AddNote(Trip, Lines, Day, Month, Year);
  }

  const int GearCategories = In.Word();
  for (int Cat = 0; Cat < GearCategories; ++Cat) {
    Store.AddGearCategory(Trip, In.String());
    for (int n = In.Word(); n > 0; --n) {
      std::string Fields[7];
      for (auto& Field : Fields) Field = In.String();
      Store.AddGearItem(Trip, Cat, Fields[0], Fields[1], Fields[2], Fields[3], Fields[4],
                        Fields[5], Fields[6]);
    }
  }

  for (int n = In.Word(); n > 0; --n) {
    const std::string Details = In.String();
    const std::string Name = In.String();
    Store.AddPlan(Trip, Name, Details);
  }

  const int ShopingCategories = In.Word();
  for (int Cat = 0; Cat < ShopingCategories; ++Cat) {
    Store.AddShopingCategory(Trip, In.String());
    for (int n = In.Word(); n > 0; --n) {
      std::string Fields[5];
      for (auto& Field : Fields) Field = In.String();
      Store.AddShopingItem(Trip, Cat, Fields[0], Fields[1], Fields[2], Fields[3], Fields[4]);
    }
  }

  const int Recipes = In.Word();
  for (int r = 0; r < Recipes; ++r) {
    const std::string Procedure = In.String();
    const std::string Name = In.String();
    Store.AddRecipe(Trip, Name, Procedure);
    TRecipe& Recipe = Store.GetRecipe(Trip, r);
    for (int n = In.Word(); n > 0; --n) Recipe.Ingredients.push_back(In.String());
  }

  const int Contacts = In.Word();
  for (int c = 0; c < Contacts; ++c) {
    Store.AddContact(Trip);
    TContact& Contact = Store.GetContact(Trip, c);
    for (int f = 0; f < TContact::FieldCount; ++f) Contact.Field(f) = In.String();
  }

  const int Permits = In.Word();
  for (int p = 0; p < Permits; ++p) {
    Store.AddPermit(Trip, In.String());
    TPermit& Permit = Store.GetPermit(Trip, p);
    for (int f = 1; f < TPermit::FieldCount; ++f) Permit.Field(f) = In.String();
  }

  Store.SetBudget(Trip, In.String());
}

void WriteTrip(const TTrip& Trip, TByteFile& Out) {
  auto Count = [&Out](std::size_t n) { Out.WriteWord(static_cast<std::uint16_t>(n)); };
  Out.WriteString(Trip.Name);

  Count(Trip.Notes.size());
  for (const auto& Note : Trip.Notes) {
    Out.WriteByte(static_cast<std::uint8_t>(Note->Lines.size()));
    for (const auto& Line : Note->Lines) Out.WriteString(Line);
    Out.WriteByte(static_cast<std::uint8_t>(Note->Day));
    Out.WriteByte(static_cast<std::uint8_t>(Note->Month));
    Out.WriteWord(static_cast<std::uint16_t>(Note->Year));
  }

  Count(Trip.GearCategories.size());
  for (const auto& Category : Trip.GearCategories) {
    Out.WriteString(Category->Name);
    Count(Category->Items.size());
    for (const auto& Item : Category->Items) {
      for (const std::string* Field : {&Item->Name, &Item->Weight, &Item->Cost, &Item->Own,
                                       &Item->Necessity, &Item->Volume, &Item->Other})
        Out.WriteString(*Field);
    }
  }

  Count(Trip.Plans.size());
  for (const auto& Plan : Trip.Plans) {
    Out.WriteString(Plan->Details);
    Out.WriteString(Plan->Name);
  }

  Count(Trip.ShopingCategories.size());
  for (const auto& Category : Trip.ShopingCategories) {
    Out.WriteString(Category->Name);
    Count(Category->Items.size());
    for (const auto& Item : Category->Items) {
      for (const std::string* Field :
           {&Item->Name, &Item->Price, &Item->Store, &Item->Weight, &Item->Other})
        Out.WriteString(*Field);
    }
  }

  Count(Trip.Recipes.size());
  for (const auto& Recipe : Trip.Recipes) {
    Out.WriteString(Recipe->Procedure);
    Out.WriteString(Recipe->Name);
    Count(Recipe->Ingredients.size());
    for (const auto& Ingredient : Recipe->Ingredients) Out.WriteString(Ingredient);
  }

  Count(Trip.Contacts.size());
  for (const auto& Contact : Trip.Contacts)
    for (int f = 0; f < TContact::FieldCount; ++f) Out.WriteString(Contact->Field(f));

  Count(Trip.Permits.size());
  for (const auto& Permit : Trip.Permits)
    for (int f = 0; f < TPermit::FieldCount; ++f) Out.WriteString(Permit->Field(f));

  Out.WriteString(Trip.Budget);
}

}  // namespace

bool TTravelerData::LoadFromFile() { return LoadFromFile(DataFileName); }

bool TTravelerData::LoadFromFile(const std::string& Path) {
  TByteFile File(Path);
  File.Open(1);
  if (File.ReadString() != DataFileHeader) throw TDataFileError("Error in open data file!");
  TCheckedReader In(File);
  bool Complete = false;
  try {
    const int Trips = In.Byte();
    for (int n = 0; n < Trips; ++n) {
      AppendTrip();
      ReadTrip(*this, TripCount() - 1, In);
    }
    Complete = In.String() == DataFileTrailer;
  } catch (const TTruncated&) {
    Complete = false;
  }
  File.Close();
  return Complete;
}

void TTravelerData::SaveToFile() { SaveToFile(DataFileName); }

void TTravelerData::SaveToFile(const std::string& Path) {
  CheckDataFileLimits(*this);
  TByteFile File(Path);
  if (!File.Open(0))
    throw TFileIOError("Could not create '" + Path + "': " + std::strerror(errno));
  File.WriteString(DataFileHeader);
  File.WriteByte(static_cast<std::uint8_t>(TripCount()));
  for (int Trip = 0; Trip < TripCount(); ++Trip) WriteTrip(GetTrip(Trip), File);
  File.WriteString(DataFileTrailer);
  File.Close();
}
