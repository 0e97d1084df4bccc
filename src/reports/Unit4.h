// The report window: shows the compiled report for reading, editing and
// printing. It keeps the last report until the next compilation.
#pragma once

#include <QDialog>

class IPrompts;
class QPushButton;
class TEditMenuTimer;
class TEditPopupMenu;
class TRtfEdit;

class TfrmReport : public QDialog {
  Q_OBJECT
 public:
  TfrmReport(IPrompts& Prompts, QWidget* Parent);

  // Shows the window modally, centred on its owner; returns once closed.
  void ShowModal();

  // "&Print...": after the print dialog, prints the whole report under the
  // job title "Quillmoor Planner Report".
  void Button1Click();
  // "&Close", and Esc.
  void Button2Click();
  // Keeps the popup items' enabled state current.
  void editTimer();

  TRtfEdit* RichEdit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  TEditPopupMenu* PopupMenu1 = nullptr;
  TEditMenuTimer* edit = nullptr;

 private:
  IPrompts& FPrompts;
};

// The title of a printed report.
extern const char* const ReportPrintTitle;
