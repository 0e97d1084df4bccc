// The texts of the report's sections, built from one trip. Plain C++.
//
// Lines are ended by CR LF. Record heads are indented by 5 spaces, fields of
// plans, recipes, permits and contacts and the item heads of gear and
// shopping by 10, the fields of gear and shopping items by 15. Weights and
// volumes are shown in the display units with their unit labels; every
// other value is the stored text.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gear/core/FieldText.h"
#include "store/Traveler.h"

enum class TReportSection { Trip, Calendar, Gear, Logistics, Shopping, Recipes, Permits, Contacts, Budget };
inline constexpr std::size_t ReportSectionCount = 9;

struct TReportTag {
  TReportSection Section;
  const char* Tag;
  // Characters replaced from the tag's position on.
  int ReplacedLength;
  // A section without records reads "<none>".
  bool NoneWhenEmpty;
};

// The tags of a report template, in the order they are filled in. The trip
// tag takes the character after it along.
inline constexpr std::array<TReportTag, ReportSectionCount> ReportTags = {{
    {TReportSection::Trip, "[TRIP]", 7, false},
    {TReportSection::Calendar, "[CP]", 4, true},
    {TReportSection::Gear, "[GL]", 4, true},
    {TReportSection::Logistics, "[LOG]", 5, true},
    {TReportSection::Shopping, "[SL]", 4, true},
    {TReportSection::Recipes, "[RL]", 4, true},
    {TReportSection::Permits, "[PM]", 4, true},
    {TReportSection::Contacts, "[CI]", 4, true},
    {TReportSection::Budget, "[BUD]", 5, false},
}};

// What a section without records reads.
extern const std::string NoRecordsText;

// Lines joined by commas. A line holding a blank, a control character, a
// double quote or a comma is put in double quotes, its double quotes
// doubled; a single empty line gives "", no lines the empty text.
std::string CommaText(const TTextLines& Lines);

// Turns a stored text into the text of the report (the store's bytes into
// the report's encoding, say). Without one, stored texts go in unchanged.
using TStoredTextConverter = std::function<std::string(const std::string&)>;

// Lines of a record: each a label and its value.
using TLabelledValues = std::vector<std::pair<std::string, std::string>>;

class TReportSections {
 public:
  TReportSections(const TTrip& Trip, const TDisplayUnits& Units, TStoredTextConverter Converter = {});

  // The text of Section; the empty text when it has no records. A weight or
  // volume that is not a number throws TNumberTextError.
  std::string Text(TReportSection Section) const;

 private:
  std::string Stored(const std::string& Text) const;
  std::string Weight(const std::string& Kilograms) const;
  std::string Volume(const std::string& CubicMeters) const;
  std::string NoteDate(const TDayNote& Note) const;
  std::string CalendarText() const;
  std::string GearText() const;
  std::string LogisticsText() const;
  std::string ShoppingText() const;
  std::string RecipesText() const;
  std::string PermitsText() const;
  std::string ContactsText() const;
  // Categories with their items: a head line per category and per item,
  // then the item's fields, every line ended.
  template <class TCategory, class TItemFields>
  std::string CategorizedText(const TOwnedList<TCategory>& Categories, const std::string& CategoryLabel,
                              const std::string& ItemLabel, TItemFields ItemFields) const;
  // A permit or contact: its first field as the head, then the others.
  template <class TRecord>
  std::string FieldRecord(const TRecord& Record, const char* const (&Labels)[TRecord::FieldCount - 1]) const;

  const TTrip& FTrip;
  TDisplayUnits FUnits;
  TStoredTextConverter FConverter;
};
