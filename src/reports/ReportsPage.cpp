#include "reports/ReportsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/EditMenuTimer.h"
#include "reports/Unit4.h"
#include "reports/core/MailMessage.h"
#include "reports/core/ReportCompiler.h"
#include "reports/text/ReportExport.h"
#include "ui/AppContext.h"
#include "ui/ExportFileName.h"
#include "ui/StoreText.h"
#include "widgets/CheckListBox.h"
#include "widgets/EditPopupMenu.h"
#include "widgets/RtfEdit.h"
#include "widgets/TabMovesFocus.h"

namespace {

const QString ExportTitle = "Export Report";
const QString ExportFilter =
    "Word RTF File (*.rtf)|*.rtf|Text File (*.txt)|*.txt|PDF File (*.pdf)|*.pdf|Any File (*.*)|*.*";
const QString ExportDefaultExtension = "rtf";


}  // namespace

TReportsPage::TReportsPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {
  auto* Layout = new QHBoxLayout(this);
  BuildReportGroup();
  BuildMessageGroup();
  Layout->addWidget(GroupBox13, 0, Qt::AlignTop);
  Layout->addWidget(GroupBox14, 1);
  frmReport = new TfrmReport(Context.Prompts, this);
}

QCheckBox* TReportsPage::AddSectionBox(TReportSection Section, const QString& Caption) {
  auto* Box = new QCheckBox(Caption, GroupBox13);
  Box->setChecked(true);
  GroupBox13->layout()->addWidget(Box);
  FSectionBoxes[static_cast<std::size_t>(Section)] = Box;
  return Box;
}

void TReportsPage::BuildReportGroup() {
  GroupBox13 = new QGroupBox("Report", this);
  auto* Column = new QVBoxLayout(GroupBox13);
  CheckBox3 = AddSectionBox(TReportSection::Calendar, "Trip Calendar Planner");
  CheckBox4 = AddSectionBox(TReportSection::Gear, "Gear Weight, Gear Check List Software/calculator");
  CheckBox5 = AddSectionBox(TReportSection::Logistics, "Logistics");
  CheckBox6 = AddSectionBox(TReportSection::Shopping, "Shopping List ");
  CheckBox7 = AddSectionBox(TReportSection::Recipes, "Recipes/menu planner");
  CheckBox9 = AddSectionBox(TReportSection::Permits, "Permits Manager");
  CheckBox8 = AddSectionBox(TReportSection::Contacts, "Contact Information For Party ");
  CheckBox16 = AddSectionBox(TReportSection::Budget, "Budget");
  Column->addSpacing(12);
  Button33 = new QPushButton("Compile Printable Report", GroupBox13);
  Button34 = new QPushButton("Compile Email Message", GroupBox13);
  Button35 = new QPushButton("Export Report", GroupBox13);
  for (QPushButton* Button : {Button33, Button34, Button35}) Column->addWidget(Button);
  connect(Button33, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { Button33Click(); }); });
  connect(Button34, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { Button34Click(); }); });
  connect(Button35, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { Button35Click(); }); });
}

void TReportsPage::BuildMessageGroup() {
  GroupBox14 = new QGroupBox("Email Message", this);
  auto* Grid = new QGridLayout(GroupBox14);
  const auto AddField = [this, Grid](int Row, const QString& Caption, QLabel*& Label, QLineEdit*& Edit) {
    Label = new QLabel(Caption, GroupBox14);
    Edit = new QLineEdit(GroupBox14);
    Label->setBuddy(Edit);
    Grid->addWidget(Label, Row, 0);
    Grid->addWidget(Edit, Row, 1, 1, 2);
  };
  AddField(0, "To:", Label26, Edit23);
  AddField(1, "Cc:", Label27, Edit24);
  AddField(2, "Subject:", Label28, Edit25);
  CheckListBox5 = new TCheckListBox(GroupBox14);
  CheckListBox5->setFixedWidth(170);
  RichEdit7 = new TRtfEdit(GroupBox14);
  RichEdit7->setLineWrapMode(QTextEdit::WidgetWidth);
  TTabMovesFocus::Install(RichEdit7);
  PopupMenu9 = new TEditPopupMenu(RichEdit7, this);
  Button36 = new QPushButton("Login To eMail", GroupBox14);
  Button36->setDefault(true);
  Grid->addWidget(CheckListBox5, 3, 0, 1, 2);
  Grid->addWidget(RichEdit7, 3, 2);
  Grid->addWidget(Button36, 4, 2, Qt::AlignRight);
  Grid->setRowStretch(3, 1);
  Grid->setColumnStretch(2, 1);
  CutBla = new TEditMenuTimer(*PopupMenu9, *RichEdit7, Context.Prompts, this);

  connect(Button36, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { Button36Click(); }); });
  connect(CheckListBox5, &TCheckListBox::CheckClicked, this,
          [this] { this->Context.Guarded([this] { CheckListBox5ClickCheck(); }); });
}

TReportChoice TReportsPage::ChosenSections() const {
  TReportChoice Chosen = AllReportSections();
  for (std::size_t i = 0; i < ReportSectionCount; ++i)
    if (FSectionBoxes[i]) Chosen[i] = FSectionBoxes[i]->isChecked();
  return Chosen;
}

void TReportsPage::CompileReport() {
  Context.CommitPendingEdits();
  TRtfEdit& Report = *frmReport->RichEdit1;
  // Loading and filling in the template is not an edit the user could undo.
  Report.document()->setUndoRedoEnabled(false);
  const auto UndoAgain = qScopeGuard([&Report] {
    Report.document()->setUndoRedoEnabled(true);
    Report.moveCursor(QTextCursor::Start);
  });
  const TDisplayUnits Units{Context.WeightUnit(), Context.VolumeUnit(), Context.DecimalSeparator(),
                            Context.NumberSettings().GroupSeparator};
  CompileReportDocument(*Report.document(), Context.Store.GetTrip(Context.Trip()), Units, ChosenSections(),
                        Context.Config.ReportFooter.toStdString());
}

void TReportsPage::Button33Click() {
  CompileReport();
  frmReport->ShowModal();
}

void TReportsPage::Button34Click() {
  CompileReport();
  // The formatted report goes over in memory: no temporary file that could
  // meet a file of the user's.
  RichEdit7->LoadRichText(frmReport->RichEdit1->RichText());
  QStringList Names;
  for (const auto& Contact : Context.Store.GetTrip(Context.Trip()).Contacts)
    Names.append(FromStore(Contact->Name));
  CheckListBox5->SetEntries(Names);
}

void TReportsPage::Button35Click() {
  CompileReport();
  const QString FileName = AskExportFileName(Context.Prompts, ExportTitle, ExportFilter, ExportDefaultExtension);
  if (FileName.isEmpty()) return;
  WriteReportFile(LocalFileName(FileName), *frmReport->RichEdit1->document());
}

void TReportsPage::Button36Click() {
  TMailMessage Message;
  Message.To = Edit23->text().toStdString();
  Message.Cc = Edit24->text().toStdString();
  Message.Subject = Edit25->text().toStdString();
  for (const QString& Line : RichEdit7->TypedLines()) Message.BodyLines.push_back(Line.toStdString());
  OpenAddress(Context.Prompts, QString::fromStdString(MailtoLink(Message)));
}

void TReportsPage::CheckListBox5ClickCheck() {
  const TTrip& Trip = Context.Store.GetTrip(Context.Trip());
  const int Listed = std::min(static_cast<int>(Trip.Contacts.size()), CheckListBox5->Count());
  QStringList Addresses;
  for (int i = 0; i < Listed; ++i) {
    if (!CheckListBox5->IsChecked(i)) continue;
    const std::string& Address = ContactAddress(*Trip.Contacts[static_cast<std::size_t>(i)]);
    if (!Address.empty()) Addresses.append(FromStore(Address));
  }
  Edit23->setText(Addresses.join(", "));
}

void TReportsPage::CutBlaTimer() { CutBla->Tick(); }

void TReportsPage::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() != Qt::Key_Return && Event->key() != Qt::Key_Enter) {
    TTripPage::keyPressEvent(Event);
    return;
  }
  // A button that has the focus acts itself, as on any desktop.
  if (auto* Focused = qobject_cast<QPushButton*>(focusWidget()); Focused && Focused != Button36)
    Focused->click();
  else
    Button36->click();
  Event->accept();
}
