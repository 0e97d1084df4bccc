// Reading and writing the data file qmp.dat.
//
// Layout: header string, trip count (byte), the trips, trailer string "EOF".
// Strings are a 16-bit little-endian length followed by the bytes; every
// count is a 16-bit word except the trip count and a note's line count.
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <iterator>
#include <limits>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"

namespace {

// A read past the end of the file: the rest of the file is missing.
struct TTruncated {};

// Reads the trips of the data file straight into the store's records. It
// stops at the first read past the end, so that a short or damaged file
// cannot produce records out of nothing, and it never reserves room for more
// records than the bytes left could hold.
class TTripReader {
 public:
  explicit TTripReader(TByteFile& File) : FFile(File) {}

  std::uint8_t Byte() { return Checked(FFile.ReadByte()); }
  std::uint16_t Word() { return Checked(FFile.ReadWord()); }
  std::string String() { return Checked(FFile.ReadString()); }
  void String(std::string& Text) {
    FFile.ReadStringInto(Text);
    Checked(0);
  }

  void ReadTrip(TTrip& Trip) {
    String(Trip.Name);
    ReadList(Trip.Notes, 5, [this](TDayNote& Note) {
      Note.Lines.resize(Byte());
      for (auto& Line : Note.Lines) String(Line);
      Note.Day = Byte();
      Note.Month = Byte();
      Note.Year = Word();
    });
    ReadList<true>(Trip.GearCategories, 4, [this](TGearCategory& Category) {
      String(Category.Name);
      ReadList(Category.Items, 14, [this](TGearCategory& Item) {
        for (std::string* Field : {&Item.Name, &Item.Weight, &Item.Cost, &Item.Own, &Item.Necessity,
                                   &Item.Volume, &Item.Other})
          String(*Field);
      });
    });
    ReadList(Trip.Plans, 4, [this](TPlan& Plan) {
      String(Plan.Details);
      String(Plan.Name);
    });
    ReadList<true>(Trip.ShopingCategories, 4, [this](TShopingCategory& Category) {
      String(Category.Name);
      ReadList(Category.Items, 10, [this](TShopingItem& Item) {
        for (std::string* Field : {&Item.Name, &Item.Price, &Item.Store, &Item.Weight, &Item.Other})
          String(*Field);
      });
    });
    ReadList(Trip.Recipes, 6, [this](TRecipe& Recipe) {
      String(Recipe.Procedure);
      String(Recipe.Name);
      const std::size_t Count = Word();
            // More lines than the bytes left could hold: the file is cut short.
      Recipe.Ingredients.resize(Bounded(Count, 2));
      for (auto& Ingredient : Recipe.Ingredients) String(Ingredient);
      if (Recipe.Ingredients.size() < Count) throw TTruncated();
    });
    ReadList(Trip.Contacts, 2 * TContact::FieldCount, [this](TContact& Contact) {
      for (int f = 0; f < TContact::FieldCount; ++f) String(Contact.Field(f));
    });
    ReadList(Trip.Permits, 2 * TPermit::FieldCount, [this](TPermit& Permit) {
      for (int f = 0; f < TPermit::FieldCount; ++f) String(Permit.Field(f));
    });
    String(Trip.Budget);
  }

 private:
  template <class T>
  T Checked(T Value) {
    if (FFile.ReadFailed()) throw TTruncated();
    return Value;
  }

  // Count, but no more than the bytes left could hold at MinBytes a record.
  std::size_t Bounded(std::size_t Count, std::size_t MinBytes) const {
    const std::size_t Fit = FFile.BytesLeft() / MinBytes;
    return Count < Fit ? Count : Fit;
  }

  // A word count followed by that many records. A record cut short by the
  // end of the file is dropped, except a category, which keeps the items
  // read before the end.
  template <bool IsCategory = false, class T, class ReadRecord>
  void ReadList(TOwnedList<T>& List, std::size_t MinBytes, ReadRecord&& Read) {
    const std::size_t Count = Word();
    List.reserve(List.size() + Bounded(Count, MinBytes));
    for (std::size_t n = 0; n < Count; ++n) {
      List.push_back(std::make_unique<T>());
      try {
        Read(*List.back());
      } catch (const TTruncated&) {
        bool Keep = false;
        if constexpr (IsCategory) Keep = !List.back()->Items.empty();
        if (!Keep) List.pop_back();
        throw;
      }
    }
  }

  TByteFile& FFile;
};

// The output of a save, built in memory with the stream's encodings.
class TByteBuffer {
 public:
  explicit TByteBuffer(std::size_t Size) { FBytes.reserve(Size); }
  void WriteByte(std::uint8_t Value) { FBytes.push_back(Value); }
  void WriteWord(std::uint16_t Value) {
    FBytes.push_back(static_cast<std::uint8_t>(Value & 0xFF));
    FBytes.push_back(static_cast<std::uint8_t>(Value >> 8));
  }
  void WriteString(const std::string& Text) {
    WriteWord(static_cast<std::uint16_t>(Text.size()));
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
  }
  std::vector<std::uint8_t> Take() { return std::move(FBytes); }

 private:
  std::vector<std::uint8_t> FBytes;
};

void WriteTrip(const TTrip& Trip, TByteBuffer& Out) {
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

namespace {

// Reads the trips of an opened data file into Store, which must be empty.
bool ReadDataFile(TByteFile& File, TTravelerData& Store) {
  if (File.ReadString() != DataFileHeader) throw TDataFileError("Error in open data file!");
  TTripReader In(File);
  bool Complete = false;
  try {
    const int Trips = In.Byte();
    for (int n = 0; n < Trips; ++n) {
      Store.AppendTrip();
      In.ReadTrip(Store.GetTrip(Store.TripCount() - 1));
    }
    Complete = In.String() == DataFileTrailer;
  } catch (const TTruncated&) {
    Complete = false;
  }
  File.Close();
  return Complete;
}

}  // namespace

bool TTravelerData::LoadFromFile(const std::string& Path) {
  TByteFile File(Path);
  File.Open(1);
  return ReadDataFile(File, *this);
}

bool TTravelerData::LoadFromBytes(const std::vector<std::uint8_t>& Bytes) {
  FTrips.clear();
  TByteFile Memory("");
  Memory.OpenBytes(Bytes);
  return ReadDataFile(Memory, *this);
}

void TTravelerData::ReplaceChangedTrips(const std::vector<std::uint8_t>& Before,
                                        const std::vector<std::uint8_t>& After) {
  const std::vector<std::size_t> Old = TripOffsets(Before);
  const std::vector<std::size_t> New = TripOffsets(After);
  const std::size_t OldTrips = Old.size() - 1;
  const std::size_t NewTrips = New.size() - 1;
  if (OldTrips != FTrips.size() || Old.back() > Before.size() || New.back() > After.size()) {
    LoadFromBytes(After);
    return;
  }
  // Trips before the first difference are the same in both; so are trips at
  // the same distance from the end that lie in the common end.
  std::size_t First = Old.front();
  while (First < Before.size() && First < After.size() && Before[First] == After[First]) ++First;
  std::size_t Leading = 0;
  while (Leading < std::min(OldTrips, NewTrips) && Old[Leading + 1] <= First && New[Leading + 1] == Old[Leading + 1])
    ++Leading;
  std::size_t Trailing = 0;
  while (Trailing < std::min(OldTrips, NewTrips) - Leading) {
    const std::size_t OldStart = Old[OldTrips - 1 - Trailing], NewStart = New[NewTrips - 1 - Trailing];
    const std::size_t Length = Old[OldTrips - Trailing] - OldStart;
    if (Length != New[NewTrips - Trailing] - NewStart ||
        Before.size() - OldStart != After.size() - NewStart ||
        std::memcmp(Before.data() + OldStart, After.data() + NewStart, Length) != 0)
      break;
    ++Trailing;
  }
  // The trips between are read again from After.
  const std::size_t From = New[Leading], To = New[NewTrips - Trailing];
  TByteFile Memory("");
  Memory.OpenBytes(std::vector<std::uint8_t>(After.begin() + static_cast<std::ptrdiff_t>(From),
                                             After.begin() + static_cast<std::ptrdiff_t>(To)));
  TTripReader In(Memory);
  TOwnedList<TTrip> Changed;
  try {
    for (std::size_t t = Leading; t < NewTrips - Trailing; ++t) {
      Changed.push_back(std::make_unique<TTrip>());
      In.ReadTrip(*Changed.back());
    }
  } catch (const TTruncated&) {
    LoadFromBytes(After);
    return;
  }
  const auto Begin = FTrips.begin() + static_cast<std::ptrdiff_t>(Leading);
  FTrips.erase(Begin, FTrips.begin() + static_cast<std::ptrdiff_t>(OldTrips - Trailing));
  FTrips.insert(FTrips.begin() + static_cast<std::ptrdiff_t>(Leading), std::make_move_iterator(Changed.begin()),
                std::make_move_iterator(Changed.end()));
}

void TTravelerData::RenameTrip(int Trip, const std::string& Name) { GetTrip(Trip).Name = Name; }

void TTravelerData::DuplicateTrip(int Trip, const std::string& Name) {
  // The copy goes through the data file's encoding, which holds every field.
  TByteBuffer Out(0);
  WriteTrip(GetTrip(Trip), Out);
  TByteFile Memory("");
  Memory.OpenBytes(Out.Take());
  TTripReader In(Memory);
  auto Copy = std::make_unique<TTrip>();
  In.ReadTrip(*Copy);
  Copy->Name = Name;
  FTrips.push_back(std::move(Copy));
}

void TTravelerData::SaveToFile() { SaveToFile(DataFileName); }

void TTravelerData::SaveToFile(const std::string& Path) {
  WriteFileAtomically(Path, DataFileBytes(*this));
}

std::vector<std::uint8_t> DataFileBytes(const TTravelerData& Store) {
  TByteBuffer Out(CheckDataFileLimits(Store));
  Out.WriteString(DataFileHeader);
  Out.WriteByte(static_cast<std::uint8_t>(Store.TripCount()));
  for (int Trip = 0; Trip < Store.TripCount(); ++Trip) WriteTrip(Store.GetTrip(Trip), Out);
  Out.WriteString(DataFileTrailer);
  return Out.Take();
}
