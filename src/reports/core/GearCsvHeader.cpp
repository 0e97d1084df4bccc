#include "reports/core/GearCsvHeader.h"

#include "reports/core/GearCsvCells.h"
#include "store/TextBytes.h"

namespace {

// A column name taken apart: its words in lower case, blanks, "_" and "-"
// alike, and the unit it names, if any.
struct TColumnName {
  std::string Base;
  std::string Unit;
};

const std::vector<std::string> CurrencyWords = {"gbp", "usd", "eur", "chf", "cad", "aud", "nzd"};

TColumnName SplitColumnName(const std::string& Title) {
  std::string Words;
  for (char c : AsciiLowerCase(TrimmedCell(Title))) {
    const char w = (c == '_' || c == '-' || c == '\t') ? ' ' : c;
    if (w == ' ' && (Words.empty() || Words.back() == ' ')) continue;
    Words += w;
  }
  while (!Words.empty() && Words.back() == ' ') Words.pop_back();
  TColumnName Result{Words, ""};
  // "weight (g)", "weight [lb]", "price ($)"
  if (!Words.empty() && (Words.back() == ')' || Words.back() == ']')) {
    const std::size_t Open = Words.find_last_of(Words.back() == ')' ? '(' : '[');
    if (Open != std::string::npos && Open > 0) {
      Result.Unit = TrimmedCell(Words.substr(Open + 1, Words.size() - Open - 2));
      Result.Base = TrimmedCell(Words.substr(0, Open));
      return Result;
    }
  }
  // "weight g", "weight oz", "cost gbp"
  const std::size_t Blank = Words.rfind(' ');
  if (Blank != std::string::npos) {
    const std::string Last = Words.substr(Blank + 1);
    bool IsUnit = CsvWeightUnit(Last).has_value();
    for (const std::string& Code : CurrencyWords) IsUnit = IsUnit || Last == Code;
    if (IsUnit) Result = {Words.substr(0, Blank), Last};
  }
  return Result;
}

struct TRoleNames {
  TGearCsvRole Role;
  const char* Caption;                 // in the mapping and in messages
  std::vector<std::string> Names;      // as SplitColumnName gives their base
  std::vector<std::string> Fallbacks;  // taken only when none of Names is there
};

// "description" names the item only when there is no other name column.
const std::vector<TRoleNames> Roles = {
    {TGearCsvRole::Name, "name", {"item name", "name", "item", "gear"}, {"description"}},
    {TGearCsvRole::Category, "category", {"category", "group"}, {"type"}},
    {TGearCsvRole::Qty, "qty", {"qty", "quantity", "number", "count"}, {}},
    {TGearCsvRole::Weight, "weight", {"weight", "wt"}, {}},
    {TGearCsvRole::Unit, "unit", {"unit", "weight unit", "units"}, {}},
    {TGearCsvRole::Price, "price", {"price", "cost"}, {}},
    {TGearCsvRole::Description,
     "description",
     {"desc", "description", "notes", "note", "comment", "comments", "brand"},
     {}},
};

bool Contains(const std::vector<std::string>& List, const std::string& Name) {
  for (const std::string& Entry : List)
    if (Entry == Name) return true;
  return false;
}

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

std::string LookedFor(const TRoleNames& Role) {
  std::string Text;
  for (const std::string& Name : Role.Names) Text += (Text.empty() ? "" : ", ") + Name;
  if (Role.Role == TGearCsvRole::Weight) Text += ", weight (g), weight_oz, weight [lb], ...";
  for (const std::string& Name : Role.Fallbacks) Text += ", " + Name;
  return Text;
}

}  // namespace

std::size_t KnownColumnCount(const TCsvRecord& Record) {
  std::size_t Count = 0;
  for (const std::string& Field : Record.Fields) {
    const std::string Base = SplitColumnName(Field).Base;
    for (const TRoleNames& Role : Roles)
      if (Contains(Role.Names, Base) || Contains(Role.Fallbacks, Base)) {
        ++Count;
        break;
      }
  }
  return Count;
}

TGearCsvHeader ReadGearCsvHeader(const TCsvRecord& Record) {
  TGearCsvHeader Header;
  Header.Line = Record.Line;
  Header.FieldCount = Record.Fields.size();
  Header.Titles = Record.Fields;
  std::vector<TColumnName> Names;
  for (const std::string& Field : Record.Fields) Names.push_back(SplitColumnName(Field));
  std::vector<bool> Taken(Names.size(), false);
  std::string Missing;
  for (const TRoleNames& Role : Roles) {
    std::vector<std::size_t> Found;
    for (const auto* List : {&Role.Names, &Role.Fallbacks}) {
      for (std::size_t f = 0; f < Names.size(); ++f)
        if (!Taken[f] && Contains(*List, Names[f].Base)) Found.push_back(f);
      if (!Found.empty()) break;
    }
    for (std::size_t f : Found) Taken[f] = true;
    if (Role.Role == TGearCsvRole::Description) {
      Header.Descriptions = Found;
      continue;
    }
    if (Found.size() > 1) {
      std::string Which;
      for (std::size_t i = 0; i < Found.size(); ++i)
        Which += (i == 0 ? "" : i + 1 == Found.size() ? " and " : ", ") + Quoted(Record.Fields[Found[i]]);
      throw TCsvError(Record.Line, "the columns " + Which + " could each hold the " + Role.Caption +
                                       "; rename the one that does not");
    }
    std::optional<std::size_t> Column;
    if (!Found.empty()) Column = Found.front();
    if (!Column && (Role.Role == TGearCsvRole::Name || Role.Role == TGearCsvRole::Weight))
      Missing += std::string(Missing.empty() ? "" : "; ") + "no column for the " + Role.Caption + ": looked for " +
                 LookedFor(Role);
    switch (Role.Role) {
      case TGearCsvRole::Name: Header.Name = Column; break;
      case TGearCsvRole::Category: Header.Category = Column; break;
      case TGearCsvRole::Qty: Header.Qty = Column; break;
      case TGearCsvRole::Weight: Header.Weight = Column; break;
      case TGearCsvRole::Unit: Header.Unit = Column; break;
      case TGearCsvRole::Price: Header.Price = Column; break;
      case TGearCsvRole::Description: break;
    }
  }
  if (!Missing.empty()) throw TCsvError(Record.Line, Missing);
  const std::string& Unit = Names[*Header.Weight].Unit;
  if (!Unit.empty()) {
    Header.WeightUnit = CsvWeightUnit(Unit);
    if (!Header.WeightUnit)
      throw TCsvError(Record.Line, "the unit \"" + Unit + "\" in the column name " +
                                       Quoted(Record.Fields[*Header.Weight]) +
                                       " is not ounce, pound, gram or kilogram");
  }
  return Header;
}

TGearCsvHeader HeaderlessGearCsvHeader() {
  TGearCsvHeader Header;
  Header.FieldCount = 10;
  for (int f = 1; f <= 10; ++f) Header.Titles.push_back("field " + std::to_string(f));
  Header.Name = 0;
  Header.Category = 1;
  Header.Descriptions = {2};
  Header.Qty = 3;
  Header.Weight = 4;
  Header.Unit = 5;
  Header.Price = 7;
  return Header;
}

bool IsHeaderlessGearRecord(const TCsvRecord& Record) {
  if (Record.Fields.size() != 10) return false;
  const auto IsFigure = [](const std::string& Text) {
    if (TrimmedCell(Text).empty()) return true;
    try {
      ReadCsvFigure(Text, "");
      return true;
    } catch (const TCsvCellError&) {
      return false;
    }
  };
  const std::string Unit = TrimmedCell(Record.Fields[5]);
  return IsFigure(Record.Fields[3]) && IsFigure(Record.Fields[4]) && (Unit.empty() || CsvWeightUnit(Unit));
}

std::string TGearCsvHeader::Mapping() const {
  std::string Text;
  const auto Add = [&](const char* Role, const std::optional<std::size_t>& Column) {
    if (Column) Text += (Text.empty() ? "" : ", ") + std::string(Role) + " \xE2\x86\x90 " + Titles[*Column];
  };
  Add("name", Name);
  Add("weight", Weight);
  Add("unit", Unit);
  Add("qty", Qty);
  Add("category", Category);
  Add("price", Price);
  if (!Descriptions.empty()) {
    Text += ", description \xE2\x86\x90 ";
    for (std::size_t i = 0; i < Descriptions.size(); ++i) Text += (i ? " + " : "") + Titles[Descriptions[i]];
  }
  return Text;
}
