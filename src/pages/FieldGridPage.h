// A list-plus-details page whose records have fixed text fields, shown in a
// key/value grid with one row per field; the first field is the record's
// name. A changed value is stored when the user leaves its cell.
#pragma once

#include <QStringList>

#include "pages/ListDetailsPage.h"

class TValueListEditor;

class TFieldGridPage : public TListDetailsPage {
  Q_OBJECT
 public:
  // Shows the fields of record Index in the grid (ShowContact, ShowPermit).
  void ShowRecordFields(int Index);
  // Empties every value and disables the grid (ResetContactEditor, ...).
  void ResetEditor();
  // The grid's validation: stores every value into the selected record and
  // renames its entry after the name row.
  void StoreGrid();

  TValueListEditor* Grid = nullptr;

 protected:
  // Keys are the grid's rows, in record field order.
  TFieldGridPage(TAppContext& Context, const TListDetailsCaptions& Captions, const QStringList& Keys,
                 QWidget* Parent);

  // Field Position of record Index of the selected trip.
  virtual std::string& RecordField(int Index, int Position) const = 0;

  std::string RecordName(int Index) const override;
  void RenameRecord(int Index, const std::string& Name) override;
  void ShowDetails(int Index) override;
  void ResetDetails() override { ResetEditor(); }
  // The grid shows the new name in its first row.
  void RecordRenamed(int Index) override { ShowRecordFields(Index); }

 private:
  QStringList FKeys;
};
