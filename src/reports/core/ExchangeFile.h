// The trip plan text exchange file: a tab-indented 8-bit text that carries a
// whole trip, or only its gear list or its recipes, between planners.
//
// Values are written as stored. A value with line breaks (plan details, a
// procedure) keeps its first line on the line of its key; each further line
// of it follows on a continuation line that starts with six tabs, which no
// record line does. The file line before a continuation line ends in CR LF
// where the value breaks with CR LF and in LF alone where it breaks with LF.
// Name lines are never continued, and the line after a plan's or a recipe's
// name is always its details or procedure line, whatever it begins with; a
// line break inside a name is written as a space. Single-line values keep the
// plain layout.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "store/Traveler.h"

// The sections a file holds, in file order.
struct TExchangeSections {
  bool Dates = true;
  bool GearList = true;
  bool TravelingPlans = true;
  bool Shopping = true;
  bool Recipes = true;
  bool Contacts = true;
  bool ParkPermits = true;
  bool Budget = true;

  static TExchangeSections WholeTrip() { return {}; }
  static TExchangeSections GearOnly() { return {false, true, false, false, false, false, false, false}; }
  static TExchangeSections RecipesOnly() { return {false, false, false, false, true, false, false, false}; }
};

// A line of an exchange file that cannot be read (a note line without its
// date, an item before any category) or a file that ends too soon; what()
// says which line.
class TExchangeFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text of an exchange file for Trip, every line ended by CR LF.
std::string ExchangeText(const TTrip& Trip, const TExchangeSections& Sections);

// Writes the exchange file for trip Trip of Store, replacing FileName.
// Throws TFileIOError when the file cannot be written.
void WriteExchangeFile(const std::string& FileName, TTravelerData& Store, int Trip,
                       const TExchangeSections& Sections);

// Reads a whole-trip file into a new trip appended to Store once the file has
// been read to its budget line. Returns false, adding nothing, when the file
// does not begin with the header line (input whose first line is longer than
// that is not read on). Any failure adds nothing: TFileIOError when the file
// cannot be read, TExchangeFormatError for a line it cannot read (the message
// names the line) or a file that ends before its budget line (the message
// says where it ends), TFormatLimitError as soon as what was read passes a
// limit of the data file (the store's 255 trips, a list's 65535 entries, a
// text's 65535 bytes, a line longer than any a trip file holds).
bool ReadTripFile(const std::string& FileName, TTravelerData& Store);

// Add the gear categories, or the recipes, of a gear, recipe or whole-trip
// file to trip Trip, once the section has been read. A file without the
// header line adds nothing and says nothing; a section that ends inside a
// record adds nothing (TExchangeFormatError); the other failures are those
// of ReadTripFile, the limits counting what trip Trip holds.
void ReadGearFile(const std::string& FileName, TTravelerData& Store, int Trip);
void ReadRecipeFile(const std::string& FileName, TTravelerData& Store, int Trip);

// The date and lines of a note line without its leading tab and "[" and its
// closing "]": "3 January 2024, apples, dried fruit".
struct TParsedNote {
  int Day = 0;
  int Month = 0;
  int Year = 0;
  TTextLines Lines;
};
TParsedNote ParseNoteLine(const std::string& Text);

// 1 to 12 for a name of MonthNames (exact, case included); 1 for any other.
int MonthFromName(const std::string& Name);

// The exchange file's first line.
extern const std::string ExchangeFileHeader;
