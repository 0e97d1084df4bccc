#include "cli/QmpCommands.h"

#include <QTextDocument>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "calc/core/uCalcul.h"
#include "cli/DataFolder.h"
#include "cli/QmpArguments.h"
#include "gear/core/BudgetFigures.h"
#include "gear/core/CategorizedList.h"
#include "gear/core/NumberText.h"
#include "gear/core/Units.h"
#include "reports/core/CsvText.h"
#include "reports/core/ExchangeFile.h"
#include "reports/core/GearCsv.h"
#include "reports/core/ProgramFiles.h"
#include "reports/core/Utf8Text.h"
#include "reports/text/ReportExport.h"
#include "store/DataFileFormat.h"
#include "store/TextBytes.h"
#include "startup/ConfigText.h"

namespace {

// The rows --dry-run shows, as many as the planner's preview.
constexpr std::size_t PreviewRows = 10;

std::string Lowered(std::string Text, bool DropBlanks) {
  std::string Result;
  for (char c : Text) {
    if (DropBlanks && (c == ' ' || c == '-' || c == '_')) continue;
    Result += AsciiLower(c);
  }
  return Result;
}

int WeightUnitOf(const std::string& Name, int Default) {
  if (Name.empty()) return Default;
  if (const std::optional<int> Unit = GearCsvWeightUnit(Name)) return *Unit;
  throw TUsageError("unknown weight unit " + Name + " (gram, kilogram, pound or ounce)");
}

int VolumeUnitOf(const std::string& Name) {
  if (Name.empty()) return CubicMetersIndex;
  for (std::size_t v = 0; v < VolumeUnits.size(); ++v)
    if (Lowered(Name, true) == Lowered(VolumeUnits[v].Name, true)) return static_cast<int>(v);
  throw TUsageError("unknown volume unit " + Name + " (liters, cubic-inches, cups and the like)");
}

class TQmp {
 public:
  TQmp(TQmpArguments Arguments, std::ostream& Out, std::ostream& Err)
      : A(std::move(Arguments)), Out(Out), Err(Err) {}

  void Run() {
    // Files named on the command line are where the user stands, not in the data folder.
    if (!A.Output.empty()) A.Output = Absolute(A.Output);
    const std::string& C = A.Command;
    if (C == "export" || C == "export-gear" || C == "import-gear") A.Arguments[1] = Absolute(A.Arguments[1]);
    if (C == "import") A.Arguments[0] = Absolute(A.Arguments[0]);
    if (C == "calc") return Calc();
    if (!A.DataFolder.empty()) {
      std::error_code Failure;
      std::filesystem::current_path(A.DataFolder, Failure);
      if (Failure) throw std::runtime_error("cannot use the data folder " + A.DataFolder + ": " + Failure.message());
    }
    // No output may replace the data file, the files beside it, the template
    // or anything that is not a regular file.
    const std::string* Output = C == "report" ? &A.Output
                                : (C == "export" || C == "export-gear") ? &A.Arguments[1]
                                                                         : nullptr;
    if (Output && !ExportRefusal(*Output).empty())
      throw std::runtime_error("cannot write to " + *Output + ": " + ExportRefusal(*Output));
    if (C == "list") return List();
    if (C == "show") return Show();
    if (C == "export") return Export();
    if (C == "import") return Import();
    if (C == "rename") return Rename();
    if (C == "duplicate") return Duplicate();
    if (C == "export-gear") return ExportGear();
    if (C == "import-gear") return ImportGear();
    if (C == "report") return Report();
  }

 private:
  static std::string Absolute(const std::string& Path) { return std::filesystem::absolute(Path).string(); }

  // A trip by its position (from 1) or, failing that, its exact name.
  int Trip(const TTravelerData& Store, const std::string& Which) const {
    if (!Which.empty() && std::all_of(Which.begin(), Which.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        Which.size() < 6) {
      const int Position = std::stoi(Which);
      if (Position >= 1 && Position <= Store.TripCount()) return Position - 1;
    }
    for (int t = 0; t < Store.TripCount(); ++t)
      if (Store.GetTrip(t).Name == Which || Utf8OfStoreText(Store.GetTrip(t).Name) == Which) return t;
    throw std::runtime_error("no trip \"" + Which + "\" (" + std::to_string(Store.TripCount()) +
                             " trips; see qmp list)");
  }

  void Saved(TDataFolder& Folder) {
    const std::string KeptAs = Folder.Save();
    if (!KeptAs.empty())
      Err << "qmp: the data file that could not be read was kept as \"" << KeptAs << "\"\n";
  }

  void List() {
    TDataFolder Folder;
    Folder.OpenForReading();
    for (int t = 0; t < Folder.Store().TripCount(); ++t)
      Out << t + 1 << '\t' << Utf8OfStoreText(Folder.Store().GetTrip(t).Name) << '\n';
  }

  // The planner's figures of a trip: the gear weight as "Calculate Total",
  // the costs and the budget left as "Calculate Costs Budget" with every box
  // ticked. A figure that cannot be computed is left out and named on
  // standard error, and qmp fails.
  void Show() {
    const int Unit = WeightUnitOf(A.WeightUnit, KilogramsIndex);
    TDataFolder Folder;
    Folder.OpenForReading();
    TTravelerData& Store = Folder.Store();
    const int t = Trip(Store, A.Arguments[0]);
    std::vector<std::string> Failures;
    Out << "Trip: " << Utf8OfStoreText(Store.GetTrip(t).Name) << '\n';
    try {
      TGearList Gear(Store);
      const TDisplayUnits Units{Unit, CubicMetersIndex, StoredDecimalSeparator, {}};
      const long double Weight =
          ListStatistics(Gear, t, std::nullopt, {{TGearList::WeightField, TStatistic::Total}}, Units).at(0);
      Out << "Gear weight: " << NumberToText(Weight) << ' ' << WeightUnits[static_cast<std::size_t>(Unit)].Label
          << '\n';
    } catch (const TNumberTextError& Failure) {
      Failures.push_back(std::string("Cannot compute the gear weight: ") + Failure.what());
    }
    try {
      const TCostsBudgetChoice EveryCost;
      const TTripCosts Costs = TripCosts(Store, t, EveryCost.OnlyGearNotOwned);
      const long double Total = static_cast<long double>(Costs.Gear) + Costs.Shopping + Costs.Permits;
      Out << "Gear cost: " << NumberToText(Costs.Gear) << '\n'
          << "Shopping cost: " << NumberToText(Costs.Shopping) << '\n'
          << "Permits cost: " << NumberToText(Costs.Permits) << '\n'
          << "Total cost: " << NumberToText(Total) << '\n';
      const long double Budget = StoredTripBudget(Store, t);
      Out << "Budget: " << NumberToText(Budget) << '\n'
          << "Budget left: " << NumberToText(ComputeCostsBudget(Costs, Budget, EveryCost).Left) << '\n';
    } catch (const TCostsBudgetError& Failure) {
      Failures.push_back(Failure.what());
    }
    if (Failures.empty()) return;
    Out.flush();
    for (std::size_t f = 0; f + 1 < Failures.size(); ++f) Err << "qmp: " << Utf8OfStoreText(Failures[f]) << '\n';
    throw std::runtime_error(Utf8OfStoreText(Failures.back()));
  }

  void Export() {
    TDataFolder Folder;
    Folder.OpenForReading();
    WriteExchangeFile(A.Arguments[1], Folder.Store(), Trip(Folder.Store(), A.Arguments[0]),
                      TExchangeSections::WholeTrip());
  }

  void Import() {
    TDataFolder Folder;
    Folder.OpenForChange();
    try {
      if (!ReadTripFile(A.Arguments[0], Folder.Store()))
        throw std::runtime_error("This is not an Quillmoor Planner Exported File.");
    } catch (const TExchangeFormatError& Failure) {
      throw std::runtime_error(A.Arguments[0] + ": " + Failure.what() + "; nothing was imported");
    }
    Saved(Folder);
  }

  // Rename and duplicate take the planner's lock as import does.
  void Rename() {
    TDataFolder Folder;
    Folder.OpenForChange();
    Folder.Store().RenameTrip(Trip(Folder.Store(), A.Arguments[0]), A.Arguments[1]);
    Saved(Folder);
  }

  void Duplicate() {
    TDataFolder Folder;
    Folder.OpenForChange();
    TTravelerData& Store = Folder.Store();
    const int t = Trip(Store, A.Arguments[0]);
    CheckDuplicateLimits(Store, t);
    Store.DuplicateTrip(t, "Copy of " + Store.GetTrip(t).Name);
    Saved(Folder);
  }

  void ExportGear() {
    const int Unit = WeightUnitOf(A.WeightUnit, 0);
    TDataFolder Folder;
    Folder.OpenForReading();
    WriteGearCsvFile(A.Arguments[1], Folder.Store(), Trip(Folder.Store(), A.Arguments[0]), Unit);
  }

  void ImportGear() {
    TGearCsvOptions Options;
    if (!A.WeightUnit.empty()) Options.WeightUnit = WeightUnitOf(A.WeightUnit, 0);
    TDataFolder Folder;
    if (A.DryRun)
      Folder.OpenForReading();
    else
      Folder.OpenForChange();
    const int Into = Trip(Folder.Store(), A.Arguments[0]);
    TGearCsvReading Reading;
    try {
      Reading = ReadGearCsvFile(A.Arguments[1], Options);
    } catch (const TCsvNoUnitError& Failure) {
      throw std::runtime_error(A.Arguments[1] + ": " + Failure.what() +
                               "; name their unit with --unit UNIT (gram, kilogram, pound or ounce); "
                               "nothing was imported");
    } catch (const TCsvError& Failure) {
      throw std::runtime_error(A.Arguments[1] + ": " + Failure.what() + "; nothing was imported");
    }
    if (A.DryRun) {
      // The summary of the planner's preview, in the unit given, else in the file's own.
      const int Unit = Options.WeightUnit.value_or(Reading.FileUnit.value_or(KilogramsIndex));
      for (const std::string& Line : GearCsvSummary(Reading, Unit)) Out << Line << '\n';
      const auto Rows = GearCsvFirstRows(Reading, Unit, PreviewRows);
      if (!Rows.empty()) {
        Out << "First rows:\n";
        for (const auto& Row : Rows) {
          std::string Line;
          for (std::size_t c = 0; c < Row.size(); ++c)
            Line += (c ? " | " : "  ") + Row[c];
          Out << Line << '\n';
        }
      }
      Out << "Nothing was added (--dry-run).\n";
      return;
    }
    AddGearCategories(Folder.Store(), Into, std::move(Reading.Categories));
    Saved(Folder);
  }

  void Report() {
    const TDisplayUnits Units{WeightUnitOf(A.WeightUnit, KilogramsIndex), VolumeUnitOf(A.VolumeUnit),
                              StoredDecimalSeparator, {}};
    TReportChoice Chosen = AllReportSections();
    if (std::find(A.Sections.begin(), A.Sections.end(), true) != A.Sections.end())
      for (std::size_t s = 0; s < A.Sections.size(); ++s)
        Chosen[static_cast<std::size_t>(TReportSection::Calendar) + s] = A.Sections[s];
    TDataFolder Folder;
    Folder.OpenForReading();
    QTextDocument Document;
    CompileReportDocument(Document, Folder.Store().GetTrip(Trip(Folder.Store(), A.Arguments[0])), Units, Chosen,
                          ReportFooterText().toStdString());
    WriteReportFile(A.Output, Document);
  }

  void Calc() {
    TCalcul Calculator;
    Calculator.Formula = A.Arguments[0];
    std::string Result;
    Calculator.Calculate(Result);
    if (Calculator.HasError()) throw std::runtime_error(Calculator.ErrorMessage());
    // "x:=ln(0)" keeps the run going with x empty; here it is still a failure.
    if (!Calculator.NestedFailure().empty()) throw std::runtime_error(Calculator.NestedFailure());
    Out << Result << '\n';
  }

  TQmpArguments A;
  std::ostream& Out;
  std::ostream& Err;
};

}  // namespace

int RunQmp(const std::vector<std::string>& Arguments, std::ostream& Out, std::ostream& Err) {
  TQmpArguments Parsed;
  try {
    Parsed = ParseQmpArguments(Arguments);
    if (Parsed.Help) {
      Out << QmpHelp(Parsed.Command);
      return 0;
    }
    if (Parsed.Command.empty()) {
      Err << QmpHelp("");
      return 2;
    }
    TQmp(Parsed, Out, Err).Run();
    Out.flush();
    return 0;
  } catch (const TUsageError& Failure) {
    Err << "qmp: " << Failure.what() << "\nRun 'qmp --help' for the commands.\n";
    return 2;
  } catch (const std::exception& Failure) {
    Err << "qmp: " << Failure.what() << '\n';
    return 1;
  }
}
