#include "reports/Unit4.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/Prompts.h"
#include "reports/EditMenuTimer.h"
#include "widgets/FocusRing.h"
#include "widgets/TabMovesFocus.h"
#include "widgets/EditPopupMenu.h"
#include "widgets/RtfEdit.h"

TfrmReport::TfrmReport(IPrompts& Prompts, QWidget* Parent) : QDialog(Parent), FPrompts(Prompts) {
  setWindowTitle("Report");
  resize(760, 640);
  auto* Layout = new QVBoxLayout(this);
  RichEdit1 = new TRtfEdit(this);
  PopupMenu1 = new TEditPopupMenu(RichEdit1, this);
  TTabMovesFocus::Install(RichEdit1);
  new TFocusRing(this);
  Button1 = new QPushButton("&Print...", this);
  Button2 = new QPushButton("&Close", this);
  // Enter belongs to the editor; only Esc acts on the window (QDialog: reject).
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch(1);
  Buttons->addWidget(Button1);
  Buttons->addWidget(Button2);
  Layout->addWidget(RichEdit1, 1);
  Layout->addLayout(Buttons);
  edit = new TEditMenuTimer(*PopupMenu1, *RichEdit1, Prompts, this);

  connect(Button1, &QPushButton::clicked, this, [this] {
    try {
      Button1Click();
    } catch (const std::exception& Failure) {
      ShowStandardError(FPrompts, Failure);
    }
  });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TfrmReport::ShowModal() { exec(); }

void TfrmReport::Button1Click() {
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setDocName(ReportPrintTitle);
  if (!FPrompts.PrintDialog(Printer)) return;
  RichEdit1->Print(Printer);
}

void TfrmReport::Button2Click() { reject(); }

void TfrmReport::editTimer() { edit->Tick(); }
