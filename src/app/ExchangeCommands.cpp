#include "app/ExchangeCommands.h"

#include <QAction>
#include <QFileInfo>
#include <stdexcept>

#include "app/MainUnit.h"
#include "gear/core/Units.h"
#include "reports/core/ExchangeFile.h"
#include "reports/core/GearCsv.h"
#include "reports/core/ReportFiles.h"
#include "ui/StoreText.h"
#include "store/DataFileFormat.h"
#include "ui/ExportFileName.h"
#include "ui/StoreText.h"

namespace {
const QString TextFileFilter = "Text File (*.txt)|*.txt";
const QString CsvFileFilter = "CSV File (*.csv)|*.csv";
// The gear list goes as exchange text or as CSV, by the file's extension.
const QString GearFileFilter = TextFileFilter + "|" + CsvFileFilter;

// The rows the preview of a CSV import shows.
constexpr std::size_t PreviewRows = 10;

bool IsCsv(const QString& FileName) { return HasFileExtension(ToStore(FileName), ".csv"); }

}  // namespace

TExchangeCommands::TExchangeCommands(TMainForm& Form) : QObject(&Form), FForm(Form) {
  const auto Run = [this](void (TExchangeCommands::*Handler)()) {
    FForm.Context().Guarded([this, Handler] {
      FForm.Context().CommitPendingEdits();
      (this->*Handler)();
    });
  };
  const auto Wire = [this, Run](QAction* Action, void (TExchangeCommands::*Handler)()) {
    connect(Action, &QAction::triggered, this, [Run, Handler] { Run(Handler); });
  };
  Wire(Form.ExportCurrentTripPlanToFile1, &TExchangeCommands::ExportCurrentTripPlanToFile1Click);
  Wire(Form.ImportTripPlanFromTextFile1, &TExchangeCommands::ImportTripPlanFromTextFile1Click);
  Wire(Form.ImportGearListFromCsvFile1, &TExchangeCommands::ImportGearListFromCsvFile1Click);
  Wire(Form.ExportGearListToCsvFile1, &TExchangeCommands::ExportGearListToCsvFile1Click);
  // The pages' "Import" and "Export" buttons ask through the context.
  Form.Context().SetSectionExchange([Run](TSectionExchange Command) {
    switch (Command) {
      case TSectionExchange::ImportGear: return Run(&TExchangeCommands::Button42Click);
      case TSectionExchange::ExportGear: return Run(&TExchangeCommands::Button43Click);
      case TSectionExchange::ImportRecipes: return Run(&TExchangeCommands::Button44Click);
      case TSectionExchange::ExportRecipes: return Run(&TExchangeCommands::Button45Click);
    }
  });
}

QString TExchangeCommands::AskSaveFile(const QString& Title, const QString& Filter, const QString& Suffix) {
  TTravelerData& Store = FForm.TripData();
  if (Store.TripCount() == 0) return QString();
  Store.GetTrip(FForm.Context().Trip());  // no trip selected: the store says so before any dialog
  return AskExportFileName(FForm.Context().Prompts, Title, Filter, Suffix);
}

void TExchangeCommands::Export(const TExchangeSections& Sections) {
  const QString FileName = AskSaveFile("Export Trip", TextFileFilter, "txt");
  if (!FileName.isEmpty()) WriteExchange(FileName, Sections);
}

void TExchangeCommands::WriteExchange(const QString& FileName, const TExchangeSections& Sections) {
  WriteExchangeFile(ToStore(FileName), FForm.TripData(), FForm.Context().Trip(), Sections);
}

void TExchangeCommands::WriteGearCsv(const QString& FileName) {
  WriteGearCsvFile(ToStore(FileName), FForm.TripData(), FForm.Context().Trip(), FForm.Context().WeightUnit());
}

QString TExchangeCommands::AskOpenFile(const QString& Filter) {
  return FForm.Context().Prompts.OpenFileName("Open text file", Filter, "txt");
}

void TExchangeCommands::ExportCurrentTripPlanToFile1Click() { Export(TExchangeSections::WholeTrip()); }
void TExchangeCommands::Button45Click() { Export(TExchangeSections::RecipesOnly()); }

void TExchangeCommands::Button43Click() {
  const QString FileName = AskSaveFile("Export Trip", GearFileFilter, "txt");
  if (FileName.isEmpty()) return;
  if (IsCsv(FileName))
    WriteGearCsv(FileName);
  else
    WriteExchange(FileName, TExchangeSections::GearOnly());
}

void TExchangeCommands::ExportGearListToCsvFile1Click() {
  const QString FileName = AskSaveFile("Export Gear List", CsvFileFilter, "csv");
  if (!FileName.isEmpty()) WriteGearCsv(FileName);
}

void TExchangeCommands::ImportTripPlanFromTextFile1Click() {
  const QString FileName = AskOpenFile(TextFileFilter);
  if (FileName.isEmpty()) return;
  TTravelerData& Store = FForm.TripData();
  // A file that fails adds nothing; one that is read whole adds its trip.
  if (!ReadTripFile(ToStore(FileName), Store)) {
    FForm.Context().Prompts.Error("This is not an Quillmoor Planner Exported File.");
    return;
  }
  FForm.ShowAddedTrip();
}

template <class Reader>
void TExchangeCommands::ImportSection(Reader Read, const QString& FileName) {
  if (FileName.isEmpty()) return;
  const int Trip = FForm.Context().Trip();
  // The pages show what was added, also when the file failed part way.
  struct TRefreshAfter {
    TMainForm& Form;
    ~TRefreshAfter() { Form.RefreshTripPages(); }
  } Refresh{FForm};
  Read(ToStore(FileName), FForm.TripData(), Trip);
}

void TExchangeCommands::Button42Click() { ImportGear(AskOpenFile(GearFileFilter)); }
void TExchangeCommands::Button44Click() { ImportSection(ReadRecipeFile, AskOpenFile(TextFileFilter)); }

void TExchangeCommands::ImportGearListFromCsvFile1Click() {
  FForm.TripData().GetTrip(FForm.Context().Trip());  // no trip selected: said before any dialog
  ImportGear(FForm.Context().Prompts.OpenFileName("Open CSV file", CsvFileFilter, "csv"));
}

void TExchangeCommands::ImportGear(const QString& FileName) {
  if (!IsCsv(FileName)) {
    ImportSection(ReadGearFile, FileName);
    return;
  }
  IPrompts& Prompts = FForm.Context().Prompts;
  const QString ShortName = QFileInfo(FileName).fileName();
  const int Trip = FForm.Context().Trip();
  TTravelerData& Store = FForm.TripData();
  Store.GetTrip(Trip);  // no trip selected: said before the file is read
  TGearCsvReading Reading;
  try {
    TGearCsvOptions Options;
    try {
      Reading = ReadGearCsvFile(ToStore(FileName), Options);
    } catch (const TCsvNoUnitError&) {
      QStringList Units;
      for (const TUnit& Unit : WeightUnits) Units.append(Unit.Name);
      const int Chosen = Prompts.ChooseItem(
          "Import Gear List", "The weights in \"" + ShortName + "\" name no unit. Which unit are they in?", Units);
      if (Chosen < 0) return;
      Options.WeightUnit = Chosen;
      Reading = ReadGearCsvFile(ToStore(FileName), Options);
    }
  } catch (const TCsvError& Failure) {
    throw std::runtime_error("Nothing was imported from \"" + ShortName.toStdString() + "\". " + Failure.what());
  }
  CheckGearCategoriesFit(Store, Trip, Reading.Categories);
  // What will be added, before anything is.
  const int Unit = FForm.Context().WeightUnit();
  TImportPreview Preview;
  Preview.Title = "Import Gear List: " + ShortName;
  for (const std::string& Line : GearCsvSummary(Reading, Unit)) Preview.Summary.append(QString::fromStdString(Line));
  for (const std::string& Heading : GearCsvPreviewHeadings) Preview.Headings.append(QString::fromStdString(Heading));
  for (const auto& Row : GearCsvFirstRows(Reading, Unit, PreviewRows)) {
    QStringList Fields;
    for (const std::string& Field : Row) Fields.append(QString::fromStdString(Field));
    Preview.Rows.append(Fields);
  }
  if (!Prompts.PreviewImport(Preview)) return;
  AddGearCategories(Store, Trip, std::move(Reading.Categories));
  FForm.RefreshTripPages();
}
