// A list-plus-details page whose details are one free text per record.
#pragma once

#include "pages/ListDetailsPage.h"
#include "pages/RecordTextEditor.h"

class TTextDetailsPage : public TListDetailsPage, protected IRecordText {
  Q_OBJECT
 protected:
  TTextDetailsPage(TAppContext& Context, const TListDetailsCaptions& Captions, const QString& DesignText,
                   QWidget* Parent);

  int SelectedRecord() const override { return SelectedIndex(); }
  void ShowDetails(int Index) override { Details->ShowRecord(Index); }
  void ResetDetails() override { Details->Reset(); }

  TRecordTextEditor* Details = nullptr;
};
