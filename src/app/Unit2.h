// The note dialog "Add note": edits the lines of one calendar day.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmInput : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmInput(QWidget* Parent = nullptr);

  // Shows Lines in the memo and runs the dialog modally; returns NoteLines:
  // the memo's lines when closed with Ok, none when closed any other way.
  QStringList EditNote(const QStringList& Lines);

  // The memo's lines as the user typed them (hard line breaks, however the
  // memo wraps them); a final empty line is not counted.
  QStringList TypedLines() const;

  void Button1Click();
  void Button2Click();

  QLabel* Label1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;  // "&Ok"
  QPushButton* Button2 = nullptr;  // "&Cancel"

  // The dialog's result.
  QStringList NoteLines;

 protected:
  void showEvent(QShowEvent* Event) override;
  void reject() override;
};
