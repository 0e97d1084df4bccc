// The File menu's "Rename Trip..." and "Duplicate Trip": the selected trip
// renamed, or copied with every page as "Copy of <name>" and selected; each
// one step of the undo history.
#pragma once

#include <QObject>
#include <QString>

class TMainForm;

class TTripCommands : public QObject {
  Q_OBJECT
 public:
  explicit TTripCommands(TMainForm& Form);

  void RenameTrip1Click();
  void DuplicateTrip1Click();

 private:
  TMainForm& FForm;
};

// The name of a trip's copy.
QString CopyOfTripName(const QString& Name);
