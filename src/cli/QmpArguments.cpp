#include "cli/QmpArguments.h"

#include <algorithm>

const std::vector<TSectionSwitch> ReportSectionSwitches = {
    {"--calendar", "the calendar notes"}, {"--gear", "the gear list"},
    {"--logistics", "the logistics plans"}, {"--shopping", "the shopping list"},
    {"--recipes", "the recipes"},         {"--permits", "the park permits"},
    {"--contacts", "the contacts"},       {"--budget", "the budget"}};

namespace {

enum TOption { UnitOption = 1, VolumeUnitOption = 2, OutputOption = 4, SectionOptions = 8, DryRunOption = 16 };

struct TCommand {
  const char* Name;
  const char* Synopsis;
  const char* Summary;
  std::size_t ArgumentCount;
  int Options;
  const char* Description;
};

const char* const UnitHelp = "  --unit UNIT         gram, kilogram, pound or ounce (also g, kg, lb, oz)\n";

const TCommand Commands[] = {
    {"list", "list", "the trips: position and name", 0, 0, "Lists the trips, one a line: its position and its name.\n"},
    {"show", "show TRIP [--unit UNIT]", "a trip's gear weight, costs and budget left", 1, UnitOption,
     "Shows a trip's totals: the gear weight (in kilograms unless --unit says\n"
     "otherwise), the costs of gear, shopping and permits, the budget and what\n"
     "is left of it.\n"},
    {"export", "export TRIP FILE.txt", "a trip as exchange text", 2, 0,
     "Writes the whole trip to FILE as the planner's exchange text.\n"},
    {"import", "import FILE.txt", "exchange text as a new trip", 1, 0,
     "Adds the trip in the exchange text FILE as a new trip. A file that cannot\n"
     "be read to its end adds nothing.\n"},
    {"rename", "rename TRIP NAME", "gives a trip a new name", 2, 0,
     "Gives the trip the name NAME.\n"},
    {"duplicate", "duplicate TRIP", "adds a copy of a trip", 1, 0,
     "Adds a copy of the trip, every page included, named \"Copy of\" and the\n"
     "trip's name, as the last trip.\n"},
    {"export-gear", "export-gear TRIP FILE.csv [--unit UNIT]", "a trip's gear list as CSV", 2, UnitOption,
     "Writes the trip's gear list to FILE as CSV in the layout of the web\n"
     "gear-list tools, weights in grams unless --unit says otherwise.\n"},
    {"import-gear", "import-gear TRIP FILE.csv [--unit UNIT] [--dry-run]", "adds a CSV gear list to a trip", 2,
     UnitOption | DryRunOption,
     "Adds the gear list of the CSV file FILE to the trip. A record that cannot\n"
     "be read stops the import with its line and reason; nothing is added.\n"
     "The header may name its columns as spreadsheets do (Item, Weight (g),\n"
     "Group, Qty...); weights may carry their unit (\"1 lb 10 oz\"). A file whose\n"
     "weights name no unit anywhere needs --unit, the unit they are in.\n"},
    {"report", "report TRIP -o FILE [SECTIONS] [--unit UNIT] [--volume-unit UNIT]",
     "the report as .txt, .rtf or .pdf", 1,
     UnitOption | VolumeUnitOption | OutputOption | SectionOptions,
     "Compiles the trip's report from ReportTemplate.rtf in the data folder and\n"
     "writes it to FILE: rich text for .rtf, PDF for .pdf, plain text otherwise.\n"
     "Without section switches every section is filled in; with some, only those.\n"},
    {"calc", "calc 'FORMULA'", "evaluates a formula", 1, 0,
     "Evaluates FORMULA with the planner's formula language and prints the\n"
     "result. A formula that fails prints its message and exits with 1.\n"},
};

const TCommand* FindCommand(const std::string& Name) {
  for (const TCommand& Command : Commands)
    if (Name == Command.Name) return &Command;
  return nullptr;
}

// "-1+2" and "-" are arguments; "-x" and "--x" are options.
bool LooksLikeOption(const std::string& Text) {
  return Text.size() > 1 && Text[0] == '-' &&
         (Text[1] == '-' || (Text[1] >= 'a' && Text[1] <= 'z') || (Text[1] >= 'A' && Text[1] <= 'Z'));
}

}  // namespace

TQmpArguments ParseQmpArguments(const std::vector<std::string>& Arguments) {
  TQmpArguments Result;
  Result.Sections.assign(ReportSectionSwitches.size(), false);
  int Given = 0;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Arguments.size(); ++i) {
    const std::string& Argument = Arguments[i];
    const auto Value = [&]() -> std::string {
      if (i + 1 >= Arguments.size()) throw TUsageError("option " + Argument + " needs a value");
      return Arguments[++i];
    };
    if (OptionsEnded || !LooksLikeOption(Argument)) {
      if (Result.Command.empty())
        Result.Command = Argument;
      else
        Result.Arguments.push_back(Argument);
    } else if (Argument == "--") {
      OptionsEnded = true;
    } else if (Argument == "--help" || Argument == "-h") {
      Result.Help = true;
    } else if (Argument == "--data-folder") {
      Result.DataFolder = Value();
      if (Result.DataFolder.empty()) throw TUsageError("--data-folder needs a folder");
    } else if (Argument == "--unit") {
      Result.WeightUnit = Value();
      Given |= UnitOption;
    } else if (Argument == "--dry-run") {
      Result.DryRun = true;
      Given |= DryRunOption;
    } else if (Argument == "--volume-unit") {
      Result.VolumeUnit = Value();
      Given |= VolumeUnitOption;
    } else if (Argument == "-o" || Argument == "--output") {
      Result.Output = Value();
      Given |= OutputOption;
    } else {
      const auto Section = std::find_if(ReportSectionSwitches.begin(), ReportSectionSwitches.end(),
                                        [&](const TSectionSwitch& s) { return Argument == s.Switch; });
      if (Section == ReportSectionSwitches.end()) throw TUsageError("unknown option " + Argument);
      Result.Sections[static_cast<std::size_t>(Section - ReportSectionSwitches.begin())] = true;
      Given |= SectionOptions;
    }
  }
  if (Result.Command.empty()) return Result;
  const TCommand* Command = FindCommand(Result.Command);
  if (!Command) throw TUsageError("unknown command " + Result.Command);
  if (Result.Help) return Result;
  if ((Given & ~Command->Options) != 0)
    throw TUsageError(Result.Command + " does not take the option given; usage: qmp " + Command->Synopsis);
  if (Result.Arguments.size() != Command->ArgumentCount)
    throw TUsageError("usage: qmp " + std::string(Command->Synopsis));
  if ((Command->Options & OutputOption) && Result.Output.empty())
    throw TUsageError(Result.Command + " needs -o FILE; usage: qmp " + Command->Synopsis);
  return Result;
}

std::string QmpHelp(const std::string& Name) {
  const std::string Common =
      "\nTRIP is a trip's position in the list (from 1) or its exact name.\n"
      "  --data-folder DIR   work on qmp.dat in DIR instead of the current folder\n";
  if (const TCommand* Command = FindCommand(Name)) {
    std::string Text = "Usage: qmp [--data-folder DIR] " + std::string(Command->Synopsis) + "\n\n" +
                       Command->Description;
    if (Command->Options & UnitOption) Text += "\n" + std::string(UnitHelp);
    if (Command->Options & VolumeUnitOption)
      Text += "  --volume-unit UNIT  a volume unit of the planner: liters, cubic-inches, cups...\n"
              "                      (cubic meters unless given)\n";
    if (Command->Options & OutputOption) Text += "  -o, --output FILE   the report file to write\n";
    if (Command->Options & DryRunOption)
      Text += "  --dry-run           prints what would be added (columns, counts, total weight,\n"
              "                      the first rows) and adds nothing\n";
    if (Command->Options & SectionOptions) {
      Text += "SECTIONS:\n";
      for (const TSectionSwitch& Section : ReportSectionSwitches) {
        std::string Line = "  " + std::string(Section.Switch);
        Line.resize(22, ' ');
        Text += Line + Section.Caption + "\n";
      }
    }
    if (Command->ArgumentCount > 0 && std::string(Command->Synopsis).find("TRIP") != std::string::npos)
      Text += Common;
    else
      Text += "\n" + Common.substr(Common.find("  --data-folder"));
    return Text;
  }
  std::string Text =
      "Usage: qmp [--data-folder DIR] COMMAND [ARGUMENTS]\n\n"
      "The command-line companion of Quillmoor Planner: works on the trip plans\n"
      "in qmp.dat in the current folder, or in DIR.\n\nCommands:\n";
  for (const TCommand& Command : Commands) {
    const std::string Synopsis = Command.Synopsis;
    std::string Line = "  " + Synopsis.substr(0, Synopsis.find(" ["));  // without the options
    Line.resize(30, ' ');
    Text += Line + Command.Summary + "\n";
  }
  Text += Common + "\nRun 'qmp COMMAND --help' for what a command does.\n";
  return Text;
}
