#include "reports/ExchangeFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "app/MonthNames.h"
#include "store/ByteFile.h"
#include "store/StoreErrors.h"

const std::string ExchangeFileHeader = "Quillmoor Planner Exported File";

namespace {

const char* const TagDates = "[DATES]";
const char* const TagGear = "[GEAR LIST]";
const char* const TagPlans = "[TRAVELING PLANS]";
const char* const TagShopping = "[SHOPPING]";
const char* const TagRecipes = "[RECIPES]";
const char* const TagContacts = "[CONTACTS]";
const char* const TagPermits = "[PARK PERMITS]";
const char* const TagBudget = "[BUDGET]";
const char* const IngredientsLine = "\t\t\t[Ingredients]";
const char* const IngredientPrefix = "\t\t\t\tName = ";
const char* const BudgetPrefix = "Budget\t= ";
// Further lines of a multi-line value start with this.
const std::string ContinuationPrefix = "\t\t\t\t\t\t";

// Field lines: the key prefix, whose length is also what a reader drops.
const char* const GearFieldPrefixes[6] = {"\t\t\tWeight\t\t= ",   "\t\t\tCost\t\t= ",   "\t\t\tOwn\t\t= ",
                                          "\t\t\tNecesity\t= ",   "\t\t\tVolume\t\t= ", "\t\t\tOther\t\t= "};
const char* const PlanDetailsPrefix = "\t\tDetails\t= ";
const char* const ShoppingFieldPrefixes[4] = {"\t\t\tPrice\t= ", "\t\t\tStore\t= ", "\t\t\tWeight\t= ",
                                              "\t\t\tOther\t= "};
const char* const ContactFieldPrefixes[10] = {
    "\t\tNickname\t\t\t= ",        "\t\tHometown\t \t\t= ",        "\t\tCurrent Mailing Adress\t\t= ",
    "\t\teMail\t \t\t\t= ",         "\t\tAlternate eMail\t\t\t= ",   "\t\tPhone\t\t\t\t= ",
    "\t\tAlternate Phone\t \t\t= ", "\t\tEmergency Contact Information\t= ", "\t\tAllergies / Medication\t\t= ",
    "\t\tOther Information\t\t= "};
const char* const PermitFieldPrefixes[6] = {"\t\tPhone\t\t= ", "\t\tFax\t\t= ",   "\t\tRequirements\t= ",
                                            "\t\tCost\t\t= ",  "\t\tDates\t\t= ", "\t\tNotes\t\t= "};

std::size_t Length(const char* Prefix) { return std::strlen(Prefix); }

// ---- Writing ----

class TExchangeWriter {
 public:
  void Line(const std::string& Text) {
    FOut += Text;
    FOut += "\r\n";
  }

  // Prefix and value; a value's further lines go on continuation lines.
  void Value(const std::string& Prefix, const std::string& Text) {
    std::size_t Start = 0;
    bool First = true;
    while (true) {
      std::size_t Break = Text.find_first_of("\r\n", Start);
      const std::string Piece = Text.substr(Start, Break == std::string::npos ? std::string::npos : Break - Start);
      Line((First ? Prefix : ContinuationPrefix) + Piece);
      First = false;
      if (Break == std::string::npos) break;
      Start = Break + (Text.compare(Break, 2, "\r\n") == 0 ? 2 : 1);
    }
  }

  void Name(const std::string& Indent, const std::string& Text) { Value(Indent + "[", Text + "]"); }

  std::string Take() { return std::move(FOut); }

 private:
  std::string FOut;
};

std::string NoteLine(const TDayNote& Note) {
  const std::string Month = Note.Month >= 1 && Note.Month <= 12
                                ? MonthNames[static_cast<std::size_t>(Note.Month - 1)]
                                : std::to_string(Note.Month);
  std::string Text = std::to_string(Note.Day) + " " + Month + " " + std::to_string(Note.Year) + ", ";
  for (std::size_t i = 0; i < Note.Lines.size(); ++i) Text += (i ? ", " : "") + Note.Lines[i];
  return Text;
}

// ---- Reading ----

// The end of the file, wherever it is reached: reading stops there.
struct TEndOfFile {};

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& Bytes) {
  std::vector<std::string> Lines;
  std::string Current;
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    const char c = static_cast<char>(Bytes[i]);
    if (c == '\n') {
      if (!Current.empty() && Current.back() == '\r') Current.pop_back();
      Lines.push_back(std::move(Current));
      Current.clear();
    } else {
      Current += c;
    }
  }
  if (!Current.empty()) Lines.push_back(std::move(Current));
  return Lines;
}

// What is left of Line once Count characters are dropped.
std::string Drop(const std::string& Line, std::size_t Count) {
  return Count < Line.size() ? Line.substr(Count) : std::string();
}

// A name line without its indent and "[" (Indent + 1 characters) and its "]".
std::string NameOf(const std::string& Line, std::size_t Indent) {
  const std::size_t Skip = Indent + 1;
  return Line.size() > Skip ? Line.substr(Skip, Line.size() - Skip - 1) : std::string();
}

bool StartsWithTab(const std::string& Line) { return !Line.empty() && Line[0] == '\t'; }

// A decimal integer: an optional sign and digits, within the int range.
int IntegerOf(const std::string& Text) {
  const auto Invalid = [&Text] { return TExchangeFormatError("'" + Text + "' is not a valid integer value"); };
  std::size_t i = 0;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) ++i;
  if (i == Text.size()) throw Invalid();
  long long Value = 0;
  for (; i < Text.size(); ++i) {
    if (Text[i] < '0' || Text[i] > '9') throw Invalid();
    Value = Value * 10 + (Text[i] - '0');
    if (Value > 2147483647LL) throw Invalid();
  }
  return static_cast<int>(Text[0] == '-' ? -Value : Value);
}

class TExchangeReader {
 public:
  TExchangeReader(const std::string& FileName, TTravelerData& Store, int Trip)
      : FStore(Store), FTrip(Trip) {
    std::vector<std::uint8_t> Bytes;
    if (!ReadWholeFile(FileName, Bytes))
      throw TFileIOError("Could not read '" + FileName + "': " + std::strerror(errno));
    FLines = SplitLines(Bytes);
  }

  bool AtEnd() const { return FNext >= FLines.size(); }
  const std::string& Peek() const { return FLines[FNext]; }
  std::string Next() {
    if (AtEnd()) throw TEndOfFile();
    return FLines[FNext++];
  }
  void SetTrip(int Trip) { FTrip = Trip; }

  // The value of the next line after Drop characters, with its further lines.
  std::string Value(std::size_t DropCount) {
    std::string Text = Drop(Next(), DropCount);
    while (!AtEnd() && Peek().compare(0, ContinuationPrefix.size(), ContinuationPrefix) == 0)
      Text += "\r\n" + Drop(Next(), ContinuationPrefix.size());
    return Text;
  }
  std::string Value(const char* Prefix) { return Value(Length(Prefix)); }

  // Reads the lines of a whole-trip section up to its end tag, one record at
  // a time; empty lines are skipped.
  template <class ReadRecord>
  void Section(const char* EndTag, ReadRecord&& Read) {
    for (std::string Line = Next(); Line != EndTag; Line = Next())
      if (!Line.empty()) (this->*Read)(Line);
  }

  // Reads records while the lines begin with a tab (a gear or recipe file).
  template <class ReadRecord>
  void TabbedRecords(ReadRecord&& Read) {
    while (!AtEnd() && StartsWithTab(Peek())) (this->*Read)(Next());
  }

  // Skips lines up to and including Tag; false when the file ends first.
  bool SkipPast(const char* Tag) {
    while (!AtEnd())
      if (Next() == Tag) return true;
    return false;
  }

  void NoteRecord(const std::string& Line) {
    const TParsedNote Note = ParseNoteLine(NameOf(Line, 1));
    // A date the calendar cannot show could not be saved either.
    if (Note.Day < 1 || Note.Day > 31 || Note.Year < 0 || Note.Year > 65535)
      throw TExchangeFormatError("The note line \"" + Line.substr(1) + "\" has no valid date.");
    FStore.AddNote(FTrip, Note.Lines, Note.Day, Note.Month, Note.Year);
  }

  void GearRecord(const std::string& Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FStore.AddGearCategory(FTrip, ValueOfName(Line, 1));
      return;
    }
    const std::string Name = ValueOfName(Line, 2);
    std::string Fields[6];
    for (int f = 0; f < 6; ++f) Fields[f] = Value(GearFieldPrefixes[f]);
    const int Cat = FStore.GearCategoryCount(FTrip) - 1;
    if (Cat < 0) throw TExchangeFormatError("The gear item \"" + Name + "\" comes before any gear category.");
    FStore.AddGearItem(FTrip, Cat, Name, Fields[0], Fields[1], Fields[2], Fields[3], Fields[4], Fields[5]);
  }

  void PlanRecord(const std::string& Line) {
    const std::string Name = ValueOfName(Line, 1);
    FStore.AddPlan(FTrip, Name, Value(PlanDetailsPrefix));
  }

  void ShoppingRecord(const std::string& Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FStore.AddShopingCategory(FTrip, ValueOfName(Line, 1));
      return;
    }
    const std::string Name = ValueOfName(Line, 2);
    std::string Fields[4];
    for (int f = 0; f < 4; ++f) Fields[f] = Value(ShoppingFieldPrefixes[f]);
    const int Cat = FStore.ShopingCategoryCount(FTrip) - 1;
    if (Cat < 0)
      throw TExchangeFormatError("The shopping item \"" + Name + "\" comes before any shopping category.");
    FStore.AddShopingItem(FTrip, Cat, Name, Fields[0], Fields[1], Fields[2], Fields[3]);
  }

  void RecipeRecord(const std::string& Line) {
    const std::string Name = ValueOfName(Line, 1);
    FStore.AddRecipe(FTrip, Name, Value(2));
    TRecipe& Recipe = FStore.GetRecipe(FTrip, FStore.RecipeCount(FTrip) - 1);
    Next();  // the ingredients line
    while (!AtEnd() && Peek().size() > 3 && Peek()[3] == '\t') Recipe.Ingredients.push_back(Value(IngredientPrefix));
  }

  void ContactRecord(const std::string& Line) {
    FStore.AddContact(FTrip);
    TContact& Contact = FStore.GetContact(FTrip, FStore.ContactCount(FTrip) - 1);
    Contact.Name = ValueOfName(Line, 1);
    for (int f = 0; f < 10; ++f) Contact.Field(f + 1) = Value(ContactFieldPrefixes[f]);
  }

  void PermitRecord(const std::string& Line) {
    FStore.AddPermit(FTrip, ValueOfName(Line, 1));
    TPermit& Permit = FStore.GetPermit(FTrip, FStore.PermitCount(FTrip) - 1);
    for (int f = 0; f < 6; ++f) Permit.Field(f + 1) = Value(PermitFieldPrefixes[f]);
  }

  void Budget() { FStore.SetBudget(FTrip, Value(BudgetPrefix)); }

 private:
  // A name line's name, with the further lines of a name that has them.
  std::string ValueOfName(const std::string& Line, std::size_t Indent) {
    std::string Name = NameOf(Line, Indent);
    if (!AtEnd() && Peek().compare(0, ContinuationPrefix.size(), ContinuationPrefix) == 0) {
      // The "]" closes the last continuation line instead.
      Name = Drop(Line, Indent + 1);
      while (!AtEnd() && Peek().compare(0, ContinuationPrefix.size(), ContinuationPrefix) == 0)
        Name += "\r\n" + Drop(Next(), ContinuationPrefix.size());
      if (!Name.empty()) Name.pop_back();
    }
    return Name;
  }

  TTravelerData& FStore;
  int FTrip;
  std::vector<std::string> FLines;
  std::size_t FNext = 0;
};

}  // namespace

// ---- Note lines ----

int MonthFromName(const std::string& Name) {
  for (std::size_t i = 0; i < MonthNames.size(); ++i)
    if (MonthNames[i] == Name) return static_cast<int>(i) + 1;
  return 1;
}

TParsedNote ParseNoteLine(const std::string& Text) {
  TParsedNote Note;
  std::string Rest = Text;
  // The text up to Separator (all of it when missing is not allowed: the
  // date parts must be there), then Separator and Skip more are dropped.
  const auto Take = [&Rest](char Separator, std::size_t Skip) {
    const std::size_t At = Rest.find(Separator);
    const std::string Part = At == std::string::npos ? std::string() : Rest.substr(0, At);
    Rest = At == std::string::npos ? std::string() : Drop(Rest, At + 1 + Skip);
    return Part;
  };
  Note.Day = IntegerOf(Take(' ', 0));
  Note.Month = MonthFromName(Take(' ', 0));
  Note.Year = IntegerOf(Take(',', 1));
  while (!Rest.empty()) {
    const std::size_t Comma = Rest.find(',');
    const std::string Piece = Rest.substr(0, Comma);
    if (!Piece.empty()) Note.Lines.push_back(Piece);
    Rest = Comma == std::string::npos ? std::string() : Drop(Rest, Comma + 2);
  }
  return Note;
}

// ---- Writing ----

std::string ExchangeText(const TTrip& Trip, const TExchangeSections& Sections) {
  TExchangeWriter Out;
  Out.Line(ExchangeFileHeader);
  Out.Value("Trip Name = ", Trip.Name);
  Out.Line("");
  if (Sections.Dates) {
    Out.Line(TagDates);
    for (const auto& Note : Trip.Notes) Out.Name("\t", NoteLine(*Note));
    Out.Line("");
  }
  if (Sections.GearList) {
    Out.Line(TagGear);
    for (const auto& Category : Trip.GearCategories) {
      Out.Name("\t", Category->Name);
      for (const auto& Item : Category->Items) {
        Out.Name("\t\t", Item->Name);
        const std::string* Fields[6] = {&Item->Weight, &Item->Cost, &Item->Own,
                                        &Item->Necessity, &Item->Volume, &Item->Other};
        for (int f = 0; f < 6; ++f) Out.Value(GearFieldPrefixes[f], *Fields[f]);
      }
    }
    Out.Line("");
  }
  if (Sections.TravelingPlans) {
    Out.Line(TagPlans);
    for (const auto& Plan : Trip.Plans) {
      Out.Name("\t", Plan->Name);
      Out.Value(PlanDetailsPrefix, Plan->Details);
    }
    Out.Line("");
  }
  if (Sections.Shopping) {
    Out.Line(TagShopping);
    for (const auto& Category : Trip.ShopingCategories) {
      Out.Name("\t", Category->Name);
      for (const auto& Item : Category->Items) {
        Out.Name("\t\t", Item->Name);
        const std::string* Fields[4] = {&Item->Price, &Item->Store, &Item->Weight, &Item->Other};
        for (int f = 0; f < 4; ++f) Out.Value(ShoppingFieldPrefixes[f], *Fields[f]);
      }
    }
    Out.Line("");
  }
  if (Sections.Recipes) {
    Out.Line(TagRecipes);
    for (const auto& Recipe : Trip.Recipes) {
      Out.Name("\t", Recipe->Name);
      Out.Value("\t\t", Recipe->Procedure);
      Out.Line(IngredientsLine);
      for (const auto& Ingredient : Recipe->Ingredients) Out.Value(IngredientPrefix, Ingredient);
    }
    Out.Line("");
  }
  if (Sections.Contacts) {
    Out.Line(TagContacts);
    for (const auto& Contact : Trip.Contacts) {
      Out.Name("\t", Contact->Name);
      for (int f = 0; f < 10; ++f) Out.Value(ContactFieldPrefixes[f], Contact->Field(f + 1));
    }
    Out.Line("");
  }
  if (Sections.ParkPermits) {
    Out.Line(TagPermits);
    for (const auto& Permit : Trip.Permits) {
      Out.Name("\t", Permit->ParkName);
      for (int f = 0; f < 6; ++f) Out.Value(PermitFieldPrefixes[f], Permit->Field(f + 1));
    }
    Out.Line("");
  }
  if (Sections.Budget) {
    Out.Line(TagBudget);
    Out.Value(BudgetPrefix, Trip.Budget);
  }
  return Out.Take();
}

void WriteExchangeFile(const std::string& FileName, TTravelerData& Store, int Trip,
                       const TExchangeSections& Sections) {
  const std::string Text = ExchangeText(Store.GetTrip(Trip), Sections);
  WriteFileAtomically(FileName, std::vector<std::uint8_t>(Text.begin(), Text.end()));
}

// ---- Reading ----

bool ReadTripFile(const std::string& FileName, TTravelerData& Store) {
  TExchangeReader In(FileName, Store, -1);
  if (In.AtEnd() || In.Next() != ExchangeFileHeader) return false;
  try {
    const std::string Name = In.Value(12);
    Store.AppendTrip();
    const int Trip = Store.TripCount() - 1;
    Store.GetTrip(Trip).Name = Name;
    In.SetTrip(Trip);
    In.Next();  // the empty line
    In.Next();  // the dates tag
    In.Section(TagGear, &TExchangeReader::NoteRecord);
    In.Section(TagPlans, &TExchangeReader::GearRecord);
    In.Section(TagShopping, &TExchangeReader::PlanRecord);
    In.Section(TagRecipes, &TExchangeReader::ShoppingRecord);
    In.Section(TagContacts, &TExchangeReader::RecipeRecord);
    In.Section(TagPermits, &TExchangeReader::ContactRecord);
    In.Section(TagBudget, &TExchangeReader::PermitRecord);
    In.Budget();
    // A further budget section sets the budget again.
    while (!In.AtEnd())
      if (In.Next() == TagBudget) In.Budget();
  } catch (const TEndOfFile&) {
    // The file ends here; what was read stays.
  }
  return true;
}

namespace {

template <class ReadRecord>
void ReadOneSection(const std::string& FileName, TTravelerData& Store, int Trip, const char* Tag,
                    ReadRecord Read) {
  Store.GetTrip(Trip);  // a trip must be selected
  TExchangeReader In(FileName, Store, Trip);
  if (In.AtEnd() || In.Next() != ExchangeFileHeader) return;
  if (!In.SkipPast(Tag)) return;
  try {
    In.TabbedRecords(Read);
  } catch (const TEndOfFile&) {
  }
}

}  // namespace

void ReadGearFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagGear, &TExchangeReader::GearRecord);
}

void ReadRecipeFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagRecipes, &TExchangeReader::RecipeRecord);
}
