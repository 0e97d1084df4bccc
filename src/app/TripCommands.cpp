#include "app/TripCommands.h"

#include <QAction>
#include <QComboBox>

#include "app/MainUnit.h"
#include "app/UndoRecorder.h"
#include "store/DataFileFormat.h"
#include "ui/StoreText.h"

QString CopyOfTripName(const QString& Name) { return "Copy of " + Name; }

TTripCommands::TTripCommands(TMainForm& Form) : QObject(&Form), FForm(Form) {
  const auto Wire = [this](QAction* Action, void (TTripCommands::*Handler)()) {
    connect(Action, &QAction::triggered, this, [this, Handler] {
      FForm.Context().Guarded([this, Handler] {
        FForm.CommitPendingEdits();
        (this->*Handler)();
      });
    });
  };
  Wire(Form.RenameTrip1, &TTripCommands::RenameTrip1Click);
  Wire(Form.DuplicateTrip1, &TTripCommands::DuplicateTrip1Click);
}

void TTripCommands::RenameTrip1Click() {
  const int Trip = FForm.Context().Trip();
  if (Trip < 0 || Trip >= FForm.TripData().TripCount()) return;
  // A change made just before is a step of its own.
  FForm.UndoRecorder().CheckNow();
  QString Name = FromStore(FForm.TripData().GetTrip(Trip).Name);
  if (!FForm.Context().Prompts.InputQuery("Rename Trip", "What do you want to call this trip?", Name)) return;
  FForm.TripData().RenameTrip(Trip, ToStore(Name));
  FForm.ComboBox1->setItemText(Trip, Name);
  FForm.UndoRecorder().CheckNow("Rename Trip");
}

void TTripCommands::DuplicateTrip1Click() {
  TTravelerData& Store = FForm.TripData();
  const int Trip = FForm.Context().Trip();
  if (Trip < 0 || Trip >= Store.TripCount()) return;
  FForm.UndoRecorder().CheckNow();
  // Refused before anything is added when the copy would not fit the data file.
  CheckDuplicateLimits(Store, Trip);
  const QString Name = CopyOfTripName(FromStore(Store.GetTrip(Trip).Name));
  Store.DuplicateTrip(Trip, ToStore(Name));
  FForm.ShowAddedTrip();
  FForm.UndoRecorder().CheckNow("Duplicate Trip");
}
