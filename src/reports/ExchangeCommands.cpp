#include "reports/ExchangeCommands.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "app/ExportFileName.h"
#include "app/MainUnit.h"
#include "app/StoreText.h"
#include "gear/GearPage.h"
#include "pages/RecipesPage.h"
#include "reports/ExchangeFile.h"

namespace {
const QString TextFileFilter = "Text File (*.txt)|*.txt";
}  // namespace

TExchangeCommands::TExchangeCommands(TMainForm& Form) : QObject(&Form), FForm(Form) {
  const auto Wire = [this](auto* Sender, auto Signal, void (TExchangeCommands::*Handler)()) {
    connect(Sender, Signal, this, [this, Handler] { FForm.Context().Guarded([this, Handler] { (this->*Handler)(); }); });
  };
  Wire(Form.ExportCurrentTripPlanToFile1, &QAction::triggered, &TExchangeCommands::ExportCurrentTripPlanToFile1Click);
  Wire(Form.ImportTripPlanFromTextFile1, &QAction::triggered, &TExchangeCommands::ImportTripPlanFromTextFile1Click);
  Wire(Form.GearPage->Button42, &QPushButton::clicked, &TExchangeCommands::Button42Click);
  Wire(Form.GearPage->Button43, &QPushButton::clicked, &TExchangeCommands::Button43Click);
  Wire(Form.RecipesPage->Button44, &QPushButton::clicked, &TExchangeCommands::Button44Click);
  Wire(Form.RecipesPage->Button45, &QPushButton::clicked, &TExchangeCommands::Button45Click);
}

void TExchangeCommands::Export(const TExchangeSections& Sections) {
  TTravelerData& Store = FForm.TripData();
  if (Store.TripCount() == 0) return;
  const int Trip = FForm.Context().Trip();
  Store.GetTrip(Trip);  // no trip selected: the store says so before any dialog
  const QString FileName = AskExportFileName(FForm.Context().Prompts, "Export Trip", TextFileFilter, "txt");
  if (FileName.isEmpty()) return;
  WriteExchangeFile(ToStore(FileName), Store, Trip, Sections);
}

QString TExchangeCommands::AskOpenFile() {
  return FForm.Context().Prompts.OpenFileName("Open text file", TextFileFilter, "txt");
}

void TExchangeCommands::ExportCurrentTripPlanToFile1Click() { Export(TExchangeSections::WholeTrip()); }
void TExchangeCommands::Button43Click() { Export(TExchangeSections::GearOnly()); }
void TExchangeCommands::Button45Click() { Export(TExchangeSections::RecipesOnly()); }

void TExchangeCommands::ImportTripPlanFromTextFile1Click() {
  const QString FileName = AskOpenFile();
  if (FileName.isEmpty()) return;
  TTravelerData& Store = FForm.TripData();
  const int TripsBefore = Store.TripCount();
  // The new trip joins the selector even when the file fails part way, so
  // the selector and the store stay in step.
  const auto ShowNewTrip = [&] {
    if (Store.TripCount() == TripsBefore) return;
    FForm.ComboBox1->addItem(FromStore(Store.GetTrip(TripsBefore).Name));
    FForm.ComboBox1->setCurrentIndex(TripsBefore);
    FForm.RefreshTripPages();
  };
  bool Recognized = false;
  try {
    Recognized = ReadTripFile(ToStore(FileName), Store);
  } catch (...) {
    ShowNewTrip();
    throw;
  }
  if (!Recognized) {
    FForm.Context().Prompts.Error("This is not an Quillmoor Planner Exported File.");
    return;
  }
  ShowNewTrip();
}

template <class Reader>
void TExchangeCommands::ImportSection(Reader Read) {
  const QString FileName = AskOpenFile();
  if (FileName.isEmpty()) return;
  // The pages show what was added, also when the file failed part way.
  struct TRefreshAfter {
    TMainForm& Form;
    ~TRefreshAfter() { Form.RefreshTripPages(); }
  } Refresh{FForm};
  Read(ToStore(FileName), FForm.TripData(), FForm.Context().Trip());
}

void TExchangeCommands::Button42Click() { ImportSection(ReadGearFile); }
void TExchangeCommands::Button44Click() { ImportSection(ReadRecipeFile); }
