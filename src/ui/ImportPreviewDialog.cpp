#include "ui/ImportPreviewDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TImportPreviewDialog::TImportPreviewDialog(const TImportPreview& Preview, QWidget* Parent) : QDialog(Parent) {
  setObjectName("ImportPreviewDialog");
  setWindowTitle(Preview.Title);
  auto* Layout = new QVBoxLayout(this);
  SummaryLabel = new QLabel(Preview.Summary.join("\n"), this);
  SummaryLabel->setObjectName("SummaryLabel");
  SummaryLabel->setWordWrap(true);
  SummaryLabel->setTextFormat(Qt::PlainText);
  SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Layout->addWidget(SummaryLabel);

  RowsTable = new QTableWidget(static_cast<int>(Preview.Rows.size()), static_cast<int>(Preview.Headings.size()), this);
  RowsTable->setObjectName("RowsTable");
  RowsTable->setHorizontalHeaderLabels(Preview.Headings);
  RowsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  RowsTable->verticalHeader()->hide();
  for (int r = 0; r < Preview.Rows.size(); ++r)
    for (int c = 0; c < Preview.Rows[r].size() && c < Preview.Headings.size(); ++c)
      RowsTable->setItem(r, c, new QTableWidgetItem(Preview.Rows[r][c]));
  RowsTable->resizeColumnsToContents();
  RowsTable->horizontalHeader()->setStretchLastSection(true);
  Layout->addWidget(RowsTable);

  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Buttons->button(QDialogButtonBox::Ok)->setObjectName("OkButton");
  Buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Layout->addWidget(Buttons);
  resize(760, 460);
}
