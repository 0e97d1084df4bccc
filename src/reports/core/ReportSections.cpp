#include "reports/core/ReportSections.h"

#include <utility>
#include <vector>

#include "gear/core/Units.h"
#include "store/MonthNames.h"

const std::string NoRecordsText = "<none>";

namespace {

const std::string LineBreak = "\r\n";
const std::string RecordIndent = "     ";
const std::string FieldIndent = "          ";
const std::string ItemFieldIndent = "               ";

const char* const PermitLabels[TPermit::FieldCount - 1] = {
    "Phone = ", "Fax = ", "Requirements = ", "Cost = ", "Dates = ", "Notes = "};
const char* const ContactLabels[TContact::FieldCount - 1] = {"Nickname = ",
                                                             "Hometown = ",
                                                             "Current Mailing Adress = ",
                                                             "eMail = ",
                                                             "Alternate eMail = ",
                                                             "Phone = ",
                                                             "Alternate Phone = ",
                                                             "Emergency Contact Info = ",
                                                             "Allergies / Medication = ",
                                                             "Other Info = "};

bool NeedsQuotes(const std::string& Line) {
  if (Line.empty()) return false;
  for (unsigned char c : Line)
    if (c <= ' ' || c == 0x7F || c == '"' || c == ',') return true;
  return false;
}

std::string Quoted(const std::string& Line) {
  std::string Result = "\"";
  for (char c : Line) {
    if (c == '"') Result += '"';
    Result += c;
  }
  return Result + "\"";
}

// Records joined by line breaks, none after the last.
template <class TRecord, class TWriter>
std::string JoinRecords(const TOwnedList<TRecord>& Records, TWriter Write) {
  std::string Text;
  for (std::size_t i = 0; i < Records.size(); ++i) {
    if (i > 0) Text += LineBreak;
    Text += Write(*Records[i]);
  }
  return Text;
}

// "     [Head]", then one line per field: its label indented by 10 and the value.
std::string LabelledRecord(const std::string& Head, const TLabelledValues& Fields) {
  std::string Text = RecordIndent + "[" + Head + "]";
  for (const auto& [Label, Value] : Fields) Text += LineBreak + FieldIndent + Label + Value;
  return Text;
}

// The label of unit Unit of a selector whose labels start at First in
// UnitLabels; none for an index outside the selector.
const char* UnitLabel(int Unit, std::size_t First, std::size_t Count) {
  return Unit >= 0 && static_cast<std::size_t>(Unit) < Count
             ? UnitLabels[First + static_cast<std::size_t>(Unit)]
             : "";
}

}  // namespace

std::string CommaText(const TTextLines& Lines) {
  if (Lines.size() == 1 && Lines[0].empty()) return "\"\"";
  std::string Text;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0) Text += ',';
    Text += NeedsQuotes(Lines[i]) ? Quoted(Lines[i]) : Lines[i];
  }
  return Text;
}

TReportSections::TReportSections(const TTrip& Trip, const TDisplayUnits& Units,
                                 TStoredTextConverter Converter)
    : FTrip(Trip), FUnits(Units), FConverter(std::move(Converter)) {}

std::string TReportSections::Stored(const std::string& Text) const {
  return FConverter ? FConverter(Text) : Text;
}

std::string TReportSections::Weight(const std::string& Kilograms) const {
  return StoredToShown(TFieldKind::Weight, Kilograms, FUnits) + " " +
         UnitLabel(FUnits.Weight, 0, WeightUnits.size());
}

std::string TReportSections::Volume(const std::string& CubicMeters) const {
  return StoredToShown(TFieldKind::Volume, CubicMeters, FUnits) + " " +
         UnitLabel(FUnits.Volume, WeightUnits.size(), VolumeUnits.size());
}

std::string TReportSections::Text(TReportSection Section) const {
  switch (Section) {
    case TReportSection::Trip:
      return Stored(FTrip.Name);
    case TReportSection::Calendar:
      return CalendarText();
    case TReportSection::Gear:
      return GearText();
    case TReportSection::Logistics:
      return LogisticsText();
    case TReportSection::Shopping:
      return ShoppingText();
    case TReportSection::Recipes:
      return RecipesText();
    case TReportSection::Permits:
      return PermitsText();
    case TReportSection::Contacts:
      return ContactsText();
    case TReportSection::Budget:
      return RecordIndent + "Budget = " + Stored(FTrip.Budget);
  }
  return std::string();
}

std::string TReportSections::NoteDate(const TDayNote& Note) const {
  // A month outside the year (a damaged file) is shown by its number.
  const std::string Month = Note.Month >= 1 && Note.Month <= 12
                                ? MonthNames[static_cast<std::size_t>(Note.Month - 1)]
                                : std::to_string(Note.Month);
  return std::to_string(Note.Day) + " " + Month + " " + std::to_string(Note.Year);
}

std::string TReportSections::CalendarText() const {
  return JoinRecords(FTrip.Notes, [this](const TDayNote& Note) {
    TTextLines Lines;
    for (const std::string& Line : Note.Lines) Lines.push_back(Stored(Line));
    return "  " + NoteDate(Note) + " = {" + CommaText(Lines) + "}";
  });
}

std::string TReportSections::GearText() const {
  return CategorizedText(FTrip.GearCategories, "Category", "Gear Name", [this](const TGearCategory& Item) {
    return TLabelledValues{{"Weight  = ", Weight(Item.Weight)}, {"Cost = ", Stored(Item.Cost)},
                           {"Own = ", Stored(Item.Own)},        {"Necesity = ", Stored(Item.Necessity)},
                           {"Volume = ", Volume(Item.Volume)},  {"Other = ", Stored(Item.Other)}};
  });
}

std::string TReportSections::LogisticsText() const {
  return JoinRecords(FTrip.Plans, [this](const TPlan& Plan) {
    return LabelledRecord(Stored(Plan.Name), {{"", Stored(Plan.Details)}});
  });
}

std::string TReportSections::ShoppingText() const {
  return CategorizedText(FTrip.ShopingCategories, "Shopping Category", "Item Name",
                         [this](const TShopingItem& Item) {
                           return TLabelledValues{{"Weight  = ", Weight(Item.Weight)},
                                                  {"Price = ", Stored(Item.Price)},
                                                  {"Store = ", Stored(Item.Store)},
                                                  {"Other = ", Stored(Item.Other)}};
                         });
}

template <class TCategory, class TItemFields>
std::string TReportSections::CategorizedText(const TOwnedList<TCategory>& Categories,
                                             const std::string& CategoryLabel, const std::string& ItemLabel,
                                             TItemFields ItemFields) const {
  std::string Text;
  for (const auto& Category : Categories) {
    Text += RecordIndent + "[" + CategoryLabel + "  = " + Stored(Category->Name) + "]" + LineBreak;
    for (const auto& Item : Category->Items) {
      Text += FieldIndent + "[" + ItemLabel + "  = " + Stored(Item->Name) + "]" + LineBreak;
      for (const auto& [Label, Value] : ItemFields(*Item))
        Text += ItemFieldIndent + Label + Value + LineBreak;
    }
  }
  return Text;
}

std::string TReportSections::RecipesText() const {
  return JoinRecords(FTrip.Recipes, [this](const TRecipe& Recipe) {
    TTextLines Ingredients;
    for (const std::string& Line : Recipe.Ingredients) Ingredients.push_back(Stored(Line));
    return LabelledRecord(Stored(Recipe.Name),
                          {{"Ingredients = ", CommaText(Ingredients)}, {"", Stored(Recipe.Procedure)}});
  });
}

std::string TReportSections::PermitsText() const {
  return JoinRecords(FTrip.Permits,
                     [this](const TPermit& Permit) { return FieldRecord(Permit, PermitLabels); });
}

std::string TReportSections::ContactsText() const {
  return JoinRecords(FTrip.Contacts,
                     [this](const TContact& Contact) { return FieldRecord(Contact, ContactLabels); });
}

template <class TRecord>
std::string TReportSections::FieldRecord(const TRecord& Record,
                                         const char* const (&Labels)[TRecord::FieldCount - 1]) const {
  TLabelledValues Fields;
  for (int i = 1; i < TRecord::FieldCount; ++i) Fields.emplace_back(Labels[i - 1], Stored(Record.Field(i)));
  return LabelledRecord(Stored(Record.Field(0)), Fields);
}
