// The free text of the selected record (plan details, recipe procedure) in a
// rich-text editor with its "&Clear" button. Every change the user makes is
// stored at once into the selected record.
#pragma once

#include <QWidget>
#include <string>

class QPushButton;
class TAppContext;
class TRichEdit;

// Where the editor's text lives.
class IRecordText {
 public:
  virtual ~IRecordText() = default;
  // The record the editor writes to, or -1.
  virtual int SelectedRecord() const = 0;
  virtual std::string RecordText(int Index) const = 0;
  virtual void SetRecordText(int Index, const std::string& Text) = 0;
};

class TRecordTextEditor : public QWidget {
  Q_OBJECT
 public:
  // The editor starts disabled, showing DesignText.
  TRecordTextEditor(IRecordText& Records, TAppContext& Context, const QString& DesignText,
                    QWidget* Parent);

  // Shows the text of record Index, writable; fails when there is none.
  void ShowRecord(int Index);
  // Shows nothing: empty and read-only.
  void Reset();
  // The editor's change handler: stores the whole text into the selected
  // record; nothing is stored when there is none.
  void StoreText();
  // "&Clear": after a Yes, empties the text of the selected record.
  void ClearText();

  TRichEdit* Editor = nullptr;
  QPushButton* ClearButton = nullptr;

 private:
  // Puts Text into the editor from code; nothing is stored.
  void Load(const QString& Text);

  IRecordText& FRecords;
  TAppContext& FContext;
  bool FLoading = false;
};
