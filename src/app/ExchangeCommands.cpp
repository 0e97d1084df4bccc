#include "app/ExchangeCommands.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <stdexcept>

#include "ui/ExportFileName.h"
#include "app/MainUnit.h"
#include "ui/StoreText.h"
#include "gear/GearPage.h"
#include "pages/RecipesPage.h"
#include "reports/ExchangeFile.h"
#include "reports/GearCsv.h"
#include "reports/ReportFiles.h"
#include "store/DataFileFormat.h"

namespace {
const QString TextFileFilter = "Text File (*.txt)|*.txt";
const QString CsvFileFilter = "CSV File (*.csv)|*.csv";
// The gear list goes as exchange text or as CSV, by the file's extension.
const QString GearFileFilter = TextFileFilter + "|" + CsvFileFilter;

bool IsCsv(const QString& FileName) { return HasFileExtension(ToStore(FileName), ".csv"); }

// Reads a CSV file into a scratch store first and refuses it, before anything
// is added to Store, when what it holds would take the store past a limit of
// the data file (the store could then never be saved). Trip is the trip the
// file is added to. (The exchange file readers check the limits themselves,
// as they read, and add nothing when the file fails.)
template <class Reader>
void CheckImportFits(const std::string& FileName, const TTravelerData& Store, int Trip, Reader Read) {
  if (Trip < 0 || Trip >= Store.TripCount()) return;
  TTravelerData Scratch;
  Scratch.AppendTrip();
  Read(FileName, Scratch);
  CheckImportLimits(Store, Trip, Scratch.GetTrip(0));
}
}  // namespace

TExchangeCommands::TExchangeCommands(TMainForm& Form) : QObject(&Form), FForm(Form) {
  const auto Wire = [this](auto* Sender, auto Signal, void (TExchangeCommands::*Handler)()) {
    connect(Sender, Signal, this, [this, Handler] {
      FForm.Context().Guarded([this, Handler] {
        FForm.Context().CommitPendingEdits();
        (this->*Handler)();
      });
    });
  };
  Wire(Form.ExportCurrentTripPlanToFile1, &QAction::triggered, &TExchangeCommands::ExportCurrentTripPlanToFile1Click);
  Wire(Form.ImportTripPlanFromTextFile1, &QAction::triggered, &TExchangeCommands::ImportTripPlanFromTextFile1Click);
  Wire(Form.GearPage->Button42, &QPushButton::clicked, &TExchangeCommands::Button42Click);
  Wire(Form.GearPage->Button43, &QPushButton::clicked, &TExchangeCommands::Button43Click);
  Wire(Form.RecipesPage->Button44, &QPushButton::clicked, &TExchangeCommands::Button44Click);
  Wire(Form.RecipesPage->Button45, &QPushButton::clicked, &TExchangeCommands::Button45Click);
  Wire(Form.ImportGearListFromCsvFile1, &QAction::triggered, &TExchangeCommands::ImportGearListFromCsvFile1Click);
  Wire(Form.ExportGearListToCsvFile1, &QAction::triggered, &TExchangeCommands::ExportGearListToCsvFile1Click);
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
  const int TripsBefore = Store.TripCount();
  // A file that fails adds nothing; one that is read whole adds its trip.
  if (!ReadTripFile(ToStore(FileName), Store)) {
    FForm.Context().Prompts.Error("This is not an Quillmoor Planner Exported File.");
    return;
  }
  FForm.ComboBox1->addItem(FromStore(Store.GetTrip(TripsBefore).Name));
  FForm.ComboBox1->setCurrentIndex(TripsBefore);
  FForm.RefreshTripPages();
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
  try {
    CheckImportFits(ToStore(FileName), FForm.TripData(), FForm.Context().Trip(),
                    [](const std::string& Name, TTravelerData& Into) { ReadGearCsvFile(Name, Into, 0); });
    ImportSection(ReadGearCsvFile, FileName);
  } catch (const TCsvError& Failure) {
    throw std::runtime_error("Nothing was imported from \"" + QFileInfo(FileName).fileName().toStdString() +
                             "\". " + Failure.what());
  }
}
