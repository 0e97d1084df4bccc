// The Reports page: compiles the trip report from the template, shows it in
// the report window, exports it, and copies it into an e-mail message that
// goes to the desktop's mail program as a mailto: link.
#pragma once

#include <array>

#include "reports/core/ReportCompiler.h"
#include "ui/TripPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCheckListBox;
class TEditMenuTimer;
class TEditPopupMenu;
class TRtfEdit;
class TfrmReport;

class TReportsPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TReportsPage(TAppContext& Context, QWidget* Parent = nullptr);

  // Loads the template into the report window's editor and fills in the
  // selected trip with the sections checked under "Report".
  void CompileReport();

  // "Compile Printable Report": the report in the report window, modally.
  void Button33Click();
  // "Compile Email Message": the report into the message, the trip's
  // contacts into the recipient list (none checked).
  void Button34Click();
  // "Export Report": rich text for an .rtf name, plain text otherwise.
  void Button35Click();
  // "Login To eMail": the message as a mailto: link to the desktop.
  void Button36Click();
  // A recipient checked or unchecked: the To box lists the checked ones.
  void CheckListBox5ClickCheck();
  // Keeps the items of the message's popup menu current.
  void CutBlaTimer();

  QGroupBox* GroupBox13 = nullptr;  // "Report"
  QCheckBox* CheckBox3 = nullptr;   // "Trip Calendar Planner"
  QCheckBox* CheckBox4 = nullptr;   // "Gear Weight, Gear Check List Software/calculator"
  QCheckBox* CheckBox5 = nullptr;   // "Logistics"
  QCheckBox* CheckBox6 = nullptr;   // "Shopping List "
  QCheckBox* CheckBox7 = nullptr;   // "Recipes/menu planner"
  QCheckBox* CheckBox9 = nullptr;   // "Permits Manager"
  QCheckBox* CheckBox8 = nullptr;   // "Contact Information For Party "
  QCheckBox* CheckBox16 = nullptr;  // "Budget"
  QPushButton* Button33 = nullptr;
  QPushButton* Button34 = nullptr;
  QPushButton* Button35 = nullptr;

  QGroupBox* GroupBox14 = nullptr;  // "Email Message"
  QLabel* Label26 = nullptr;
  QLineEdit* Edit23 = nullptr;  // To
  QLabel* Label27 = nullptr;
  QLineEdit* Edit24 = nullptr;  // Cc
  QLabel* Label28 = nullptr;
  QLineEdit* Edit25 = nullptr;  // Subject
  TCheckListBox* CheckListBox5 = nullptr;
  TRtfEdit* RichEdit7 = nullptr;
  QPushButton* Button36 = nullptr;  // "Login To eMail", the window's default button
  TEditPopupMenu* PopupMenu9 = nullptr;
  TEditMenuTimer* CutBla = nullptr;

  TfrmReport* frmReport = nullptr;

 protected:
  // Enter where no control takes it acts as the default button.
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void BuildReportGroup();
  void BuildMessageGroup();
  QCheckBox* AddSectionBox(TReportSection Section, const QString& Caption);
  TReportChoice ChosenSections() const;

  // The check box of each section; none for the trip's name.
  std::array<QCheckBox*, ReportSectionCount> FSectionBoxes{};
};
