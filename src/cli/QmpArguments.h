// The command line of qmp: the command, its arguments and options, and the
// help text of every command. Plain C++.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A command line qmp cannot use; what() says why.
class TUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The report sections by their switches, in the order of the report.
struct TSectionSwitch {
  const char* Switch;
  const char* Caption;
};
extern const std::vector<TSectionSwitch> ReportSectionSwitches;

struct TQmpArguments {
  std::string Command;                  // empty: none given
  std::vector<std::string> Arguments;   // the command's positional arguments
  std::string DataFolder;               // empty: the current folder
  bool Help = false;
  std::string Output;                   // -o FILE
  std::string WeightUnit;               // --unit UNIT, empty when not given
  bool DryRun = false;                  // --dry-run
  std::string VolumeUnit;               // --volume-unit UNIT
  std::vector<bool> Sections;           // by ReportSectionSwitches: the switch was given
};

// Reads Arguments (without the program name). Options may stand anywhere;
// "--" ends them. Throws TUsageError for an unknown command or option, an
// option without its value, an option the command does not take, or the
// wrong number of arguments (unless help was asked for).
TQmpArguments ParseQmpArguments(const std::vector<std::string>& Arguments);

// The help of Command, or the overview of all commands for an empty name.
std::string QmpHelp(const std::string& Command);
